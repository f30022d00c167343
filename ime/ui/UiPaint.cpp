#include "ime/ui/UiPaint.h"

#include <string>

#include "ime/settings/Globals.h"
#include "ime/ui/DisplayScale.h"
#include "ime/ui/PaintCache.h"
#include "ime/ui/UiState.h"

int FontDpi() { return ui.dpi ? ui.dpi : SystemDpi(); }

HFONT CreateSongFont(int points, bool underline) {
  const int height = -MulDiv(points, FontDpi(), 72);
  return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, underline, FALSE, GB2312_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                     "宋体");
}

void DrawButtonImage(HDC dc, const char* name, int x, int y, int width, int height) {
  const CachedImage* image = CachedImageNamed(name);
  // Well larger than its 96-DPI image: drawn from the image made twice as large, so that
  // it stays sharp.
  if (image && 4 * width > 5 * image->width) {
    if (const CachedImage* larger = CachedImageNamed((std::string(name) + "2X").c_str())) {
      image = larger;
    }
  }
  if (image) StretchImagePixels(dc, *image, x, y, width, height, SRCAND);
}

void FitRoundedRegion(HWND window, int width, int height) {
  // The window keeps its region from one paint to the next: it is set again only when the
  // size changed, since setting it makes the system recompute and redisplay the window.
  // The size it was made for is kept in the window's user data, which is read without
  // asking the system: asking for the region itself costs a round trip at every paint.
  const LONG_PTR fitted =
      static_cast<LONG_PTR>(0x40000000 | ((width & 0x7FFF) << 15) | (height & 0x7FFF));
  if (GetWindowLongPtrA(window, GWLP_USERDATA) == fitted) return;
  HRGN region = CreateRoundRectRgn(0, 0, width + 1, height + 1, 5, 5);
  if (region && SetWindowRgn(window, region, FALSE)) {
    SetWindowLongPtrA(window, GWLP_USERDATA, fitted);
  } else if (region) {
    DeleteObject(region);
  }
}

void DrawRoundedFrame(HDC dc, int width, int height) {
  HPEN pen = CreatePen(PS_SOLID, 1, RGB(128, 128, 128));
  HGDIOBJ oldPen = SelectObject(dc, pen);
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  RoundRect(dc, 0, 0, width, height, 6, 6);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(pen);
}

void SetHandCursor() {
  HCURSOR hand = LoadCursorA(globals.resourceModule, "Hand");
  SetCursor(hand ? hand : LoadCursorA(nullptr, IDC_HAND));
}

int TextWidth(HDC dc, const char* text, int length) {
  SIZE size = {};
  return length > 0 && GetTextExtentPoint32A(dc, text, length, &size) ? size.cx : 0;
}

void TrackMouseLeave(HWND window) {
  TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, window, 0};
  TrackMouseEvent(&track);
}
