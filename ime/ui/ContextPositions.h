// Where a context's windows start: the status window's position and the composition form,
// from the windows' sizes.
#pragma once

#include "ime/common/ImmDev.h"

// The default status window position and composition form, where not yet initialised.
void InitContextPositions(LPINPUTCONTEXT context);
