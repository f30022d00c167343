// Drawing shared by the module's windows: the 宋体 fonts, the button bitmaps, the rounded
// frame and the hand cursor. Backgrounds are stretched copies (PaintCache.h).
#pragma once

#include <windows.h>

// The DPI the windows' text is drawn at: the windows' scale once known, else the system's.
int FontDpi();
// 宋体 with GB2312_CHARSET at the given point size at FontDpi(); the caller deletes it.
HFONT CreateSongFont(int points, bool underline = false);

// A button image combined with what is drawn (destination AND image): white stays
// transparent. Drawn well larger than the image, it is drawn from the larger variant
// (name + "2X") where there is one. A missing bitmap leaves the place undrawn.
void DrawButtonImage(HDC dc, const char* name, int x, int y, int width, int height);

// Clips the window to a rounded rectangle (5x5 corners) of the given size. Called where the
// size is set, before the paint: a region changed during a paint discards what the paint has
// drawn into the part the window has just grown by.
void FitRoundedRegion(HWND window, int width, int height);
// Outlines the rounded rectangle in grey.
void DrawRoundedFrame(HDC dc, int width, int height);

void SetHandCursor();

// The pixel width of text in the font selected into dc.
int TextWidth(HDC dc, const char* text, int length);

// Asks for a WM_MOUSELEAVE when the cursor leaves the window.
void TrackMouseLeave(HWND window);
