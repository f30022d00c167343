// Operations on a context from outside the key path: cancelling the input and raising
// message requests.
#pragma once

#include "ime/common/ImmDev.h"

// Drops the code and any candidate or association list, sending the messages that say so.
void CancelInput(HIMC himc, LPINPUTCONTEXT context);

// Raises the request bits (keeping open/close and start/end exclusive) and sends them.
void RaiseRequests(HIMC himc, LPINPUTCONTEXT context, DWORD bits);

// The reaction to a change of the conversion mode from previousMode to the context's mode.
void ReactToModeChange(HIMC himc, LPINPUTCONTEXT context, DWORD previousMode);
