// The manual phrase dialog (Tfrm_createword), opened by the context menu's "手工造词...":
// the user's phrases of the active scheme listed, a code proposed for the phrase being
// typed, and phrases added, changed and deleted.
#pragma once

// Creates the dialog without an owner, runs it modally on this thread and destroys it.
void ShowPhraseDialog();
