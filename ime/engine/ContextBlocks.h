// The composition, candidate and guideline blocks of an input context: their sizes, their
// reset layouts, and the context's default positions.
#pragma once

#include "ime/common/ImmDev.h"

// Size of the composition block for a maximum code length of m bytes.
constexpr DWORD CompositionBlockSize(DWORD m) { return 5 * m + 259; }
constexpr DWORD kGuidelineHeaderSize = 28;

// Each makes its block (creating or resizing it) and writes the reset layout. FALSE when
// the block could not be resized or locked: the context then holds a new, unfilled block.
BOOL ResetCompositionBlock(LPINPUTCONTEXT context);
BOOL ResetCandidateBlock(LPINPUTCONTEXT context);
BOOL ResetGuidelineBlock(LPINPUTCONTEXT context);

// Sets every length, the cursor and the delta to 0; the buffers keep their bytes.
void ClearComposition(LPCOMPOSITIONSTRING composition);

// The default status window position and composition form, where not yet initialised.
void InitContextPositions(LPINPUTCONTEXT context);
