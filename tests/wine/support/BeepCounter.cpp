#include "tests/wine/support/BeepCounter.h"

namespace {

LONG beeps = 0;

BOOL WINAPI CountBeep(UINT) {
  InterlockedIncrement(&beeps);
  return TRUE;
}

}  // namespace

BeepCounter::BeepCounter()
    : redirect(GetModuleHandleA(nullptr), "user32.dll", "MessageBeep",
               reinterpret_cast<void*>(&CountBeep)) {
  beeps = 0;
}

int BeepCounter::Count() const { return redirect.slot ? static_cast<int>(beeps) : -1; }
