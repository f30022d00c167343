// Editing the typed code: adding and deleting code letters, cancelling, and the candidate
// lookup that follows every change.
#pragma once

#include "ime/common/ImmDev.h"
#include "ime/engine/PrivateRecord.h"

constexpr unsigned kBackspaceChar = 8;
constexpr unsigned kEscChar = 27;

// The composition step of ImeToAsciiEx for a compose key; the number of messages.
UINT ComposeStep(unsigned ch, HIMC himc, LPINPUTCONTEXT context, PrivateRecord* record,
                 LPTRANSMSGLIST list);

// One key on the code: Esc cancels, Backspace deletes, any other character but Space is
// added; a lookup follows (Space only looks up again).
void ComposeKey(unsigned ch, LPINPUTCONTEXT context, LPCOMPOSITIONSTRING composition,
                LPGUIDELINE guideline, PrivateRecord* record);
void AddCodeChar(unsigned ch, LPCOMPOSITIONSTRING composition, LPGUIDELINE guideline,
                 PrivateRecord* record);
void DeleteCodeChar(LPINPUTCONTEXT context, LPCOMPOSITIONSTRING composition,
                    PrivateRecord* record);
void CancelComposition(LPCOMPOSITIONSTRING composition, LPGUIDELINE guideline,
                       PrivateRecord* record);
void RunLookupStep(unsigned ch, LPINPUTCONTEXT context, LPCOMPOSITIONSTRING composition,
                   PrivateRecord* record);
