// Rectangles and points of the windows' layout, free of the Windows headers so that the
// layout and placement rules build and are tested natively. Same meaning as RECT and POINT:
// right and bottom are exclusive.
#pragma once

struct UiPoint {
  int x;
  int y;
};

struct UiSize {
  int width;
  int height;
};

struct UiRect {
  int left;
  int top;
  int right;
  int bottom;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Contains(UiPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
};

inline UiRect RectAt(UiPoint origin, UiSize size) {
  return {origin.x, origin.y, origin.x + size.width, origin.y + size.height};
}

// True when the two rectangles share at least one pixel.
inline bool Overlaps(const UiRect& a, const UiRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// A length of the 96-DPI layout at a display's DPI, rounded to the nearest pixel.
inline int AtDpi(int pixels, int dpi) { return (pixels * dpi + (pixels < 0 ? -48 : 48)) / 96; }

// A screen point in one 32-bit value, as window messages carry it: x in the low 16 bits,
// y in the high 16 bits, each signed, so that monitors left of and above the primary one
// (negative coordinates) survive the round trip.
inline unsigned long PackPoint16(UiPoint p) {
  return (static_cast<unsigned long>(static_cast<unsigned short>(p.y)) << 16) |
         static_cast<unsigned short>(p.x);
}
inline UiPoint UnpackPoint16(unsigned long packed) {
  return {static_cast<short>(packed & 0xFFFF), static_cast<short>((packed >> 16) & 0xFFFF)};
}

// A window's top-left moved so that the whole window lies in the area (x into
// [left, right - width], y into [top, bottom - height]); a window larger than the area
// keeps its left or top edge on the area's.
inline UiPoint ClampIntoArea(UiPoint p, UiSize size, const UiRect& area) {
  if (p.x > area.right - size.width) p.x = area.right - size.width;
  if (p.x < area.left) p.x = area.left;
  if (p.y > area.bottom - size.height) p.y = area.bottom - size.height;
  if (p.y < area.top) p.y = area.top;
  return p;
}
