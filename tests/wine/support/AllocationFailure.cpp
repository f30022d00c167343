#include "tests/wine/support/AllocationFailure.h"

#include <cstdlib>
#include <new>

namespace {

bool failing = false;

}  // namespace

AllocationsFail::AllocationsFail() { failing = true; }
AllocationsFail::~AllocationsFail() { failing = false; }

void* operator new(std::size_t size) {
  void* memory = failing ? nullptr : std::malloc(size ? size : 1);
  if (!memory) throw std::bad_alloc();
  return memory;
}

void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
