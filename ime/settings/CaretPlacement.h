// Candidate-window offsets from the caret, kept under Control Panel\Input Method.
#pragma once

// Reads the three stored offsets, writing each absent one with its default.
void LoadCaretPlacement();
