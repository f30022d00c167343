// The hint window: the process's single tooltip popup for the status bar and the
// candidate window, two lines placed by the owner's choice.
#pragma once

#include <windows.h>

#include "ime/ui/Placement.h"

LRESULT CALLBACK HintWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Shows the tooltip of element id over owner. shownId is the caller's record of the shown
// element: a different id, or different text when textCheck is set, hides the old hint
// first. line2 may be empty.
void ShowTooltip(int* shownId, int id, bool textCheck, HWND owner, const char* line1,
                 const char* line2, HintPlacement placement, int anchor);
// No element under the cursor: id -1 and the hint hides.
void ClearTooltip(int* shownId);
void HideHint();
