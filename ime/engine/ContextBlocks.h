// The composition, candidate and guideline blocks of an input context, made (created or
// resized) with their reset layouts.
#pragma once

#include "ime/common/ImmDev.h"

// Each makes its block and writes the reset layout. FALSE when the block could not be
// resized or locked: the context then holds a new block.
BOOL ResetCompositionBlock(LPINPUTCONTEXT context);
BOOL ResetCandidateBlock(LPINPUTCONTEXT context);
BOOL ResetGuidelineBlock(LPINPUTCONTEXT context);
