// Which context the module-wide facts of one input belong to: the association prefix, the
// candidate-chosen flag, and the found count, code-length limit and search text of the last
// lookup describe the input of the context that last took a key, never another's.
#pragma once

#include "ime/common/ImmDev.h"

// Before a context's input is worked on: when another context owned the facts, they are
// dropped and this one owns them from now on.
void ClaimInput(HIMC himc);

// A context deselected gives up what it owned.
void ReleaseInput(HIMC himc);
