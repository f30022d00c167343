// Where an application shows the text being composed, for a composition form that names
// no position: what the application tells the input method, else the caret of its thread.
#pragma once

#include <windows.h>

#include <optional>

#include "ime/common/ImmDev.h"
#include "ime/ui/UiGeometry.h"

struct CaretLocation {
  // A candidate form's CFS_CANDIDATEPOS: the window's top-left itself.
  bool exactPoint;
  // Otherwise the line to keep clear, in screen coordinates: the excluded area of a
  // CFS_EXCLUDE candidate form (from its point's x), the composition's first character or
  // the caret.
  UiRect line;
};

// In this order: the application's candidate form, its answer to IMR_QUERYCHARPOSITION for
// the composition's first character, the caret of the context window's thread. Nothing when
// none of them is known.
std::optional<CaretLocation> FindCaret(HIMC himc, const INPUTCONTEXT& context);
