#include "tests/wine/support/AllocationFailure.h"

#include <cstdlib>
#include <new>

namespace {

bool armed = false;
long succeeding = 0;
bool failed = false;

}  // namespace

AllocationsFail::AllocationsFail(long allowed) {
  succeeding = allowed;
  failed = false;
  armed = true;
}
AllocationsFail::~AllocationsFail() { armed = false; }
bool AllocationsFail::Failed() const { return failed; }

void* operator new(std::size_t size) {
  if (armed) {
    if (succeeding == 0) {
      failed = true;
      throw std::bad_alloc();
    }
    --succeeding;
  }
  void* memory = std::malloc(size ? size : 1);
  if (!memory) throw std::bad_alloc();
  return memory;
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
