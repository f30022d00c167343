// A candidate window that shows a page keeps its size while the user types on, when a
// smaller one would do: a narrower page, or a vertical list that emptied (a commit, a code
// cleared). It shrinks once the typing pauses. Between the letters and words of a sentence
// the window then neither shrinks nor grows: each change of its size and shape costs a key
// as much as its whole paint, and the window stays still under the user's eyes.
#pragma once

#include <windows.h>

#include "ime/ui/WindowLayout.h"

constexpr UINT_PTR kShrinkTimer = 12;
constexpr UINT kShrinkDelayMs = 500;

// The size window keeps for now instead of the natural one its layout needs, or {0, 0}
// when it takes the natural size. A window that showed a page keeps the larger of current
// and natural in each direction while natural is smaller in either, until kShrinkDelayMs
// pass without a layout (the user stops typing); a forced resize (the query list shown or
// hidden) is never held.
UiSize HeldCandidateSize(HWND window, UiSize natural, UiSize current, bool hasCandidates,
                         bool forced);

// The window goes: nothing is kept for it.
void ForgetHeldCandidateSize(HWND window);
