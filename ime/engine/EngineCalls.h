// What the module's windows ask of the engine. The windows read the engine's values and a
// context's private record; they change them only through these calls, each of which locks
// the context for itself, and never while they paint.
#pragma once

#include "ime/common/ImmDev.h"
#include "ime/dictionary/PhraseCodeRule.h"

// The candidate window's page buttons.
void PageCandidates(HIMC himc, bool up);
// A click on a candidate commits it.
void ChooseCandidate(HIMC himc, unsigned index);
// After the settings dialog: the input is dropped, the context opened, and the candidate
// window made anew. False when the context has no private record.
bool RestartInputAfterSettings(HIMC himc);
// After a change of orientation: the input is dropped with its messages and punctuation
// pairs, and the context opened.
void RestartInputForOrientation(HIMC himc);

// A mode chosen on the status bar or at an activation, applied through the manager (the
// engine reacts to the change it notifies).
void ApplyConversionMode(HIMC himc, DWORD mode);
// Caps Lock at an activation: on switches the context to English; off ends an English it
// had forced.
void FollowCapsLock(HIMC himc, bool capsOn);
// Chinese chosen on the status bar: Caps Lock no longer holds English.
void ReleaseCapsLockEnglish();
// The scheme switched on the status bar: codes grow as long as its codes.
void UseScheme(HIMC himc, CodeScheme scheme);

// The soft keyboard chosen from its menu (0: none) for the context: its keys type the
// layout's characters. False when the context has no private record.
bool UseSoftKeyboardLayout(HIMC himc, unsigned index);
// The search mode button, and the default mode a new candidate layout starts with.
void ToggleSearchMode();
void ResetSearchMode();
// The mouse moved on the candidate window: its auto-hide starts over from now.
void RestartAutoHide(DWORD now);
