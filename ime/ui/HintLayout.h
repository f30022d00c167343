// The hint window's box and its way around the web button's popup. Sizes in pixels.
#pragma once

#include "ime/ui/UiGeometry.h"

// The box of one line of text, or of two: the lines' widths and the height of a line of
// the hint's font; the margins follow the display's dpi.
UiSize HintSize(int firstLineWidth, int secondLineWidth, int lineHeight, bool twoLines,
                int dpi = 96);

// The hint at p moved out from under a popup showing beside its owner (the links of the
// web button open over the bar, where the button's hint goes): beside the popup at the
// same height, on whichever side has room, else above or below it.
UiPoint HintClearOfPopup(UiPoint p, UiSize hint, const UiRect& popup, const UiRect& workArea);
