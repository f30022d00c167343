// Counts the module's system beeps (MessageBeep) in a test program that links the module's
// code: this program's import of MessageBeep is redirected while a counter is alive.
#pragma once

#include "tests/wine/support/ImportRedirect.h"

struct BeepCounter {
  BeepCounter();
  // The beeps since the counter was made; -1 when the import could not be redirected.
  int Count() const;

  ImportRedirect redirect;
};
