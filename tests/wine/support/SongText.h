// Text measured in the module's 宋体 fonts, as its windows measure it.
#pragma once

#include <windows.h>

#include <string>

#include "ime/ui/UiPaint.h"

// Text measured in font, which the caller keeps.
inline SIZE TextExtentIn(HFONT font, const std::string& text) {
  HDC dc = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, font);
  SIZE size = {};
  GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  return size;
}

inline SIZE SongTextExtent(const std::string& text, int points) {
  HFONT font = CreateSongFont(points);
  const SIZE size = TextExtentIn(font, text);
  DeleteObject(font);
  return size;
}
