// Text measured in the module's 宋体 fonts, as its windows measure it.
#pragma once

#include <windows.h>

#include <string>

#include "ime/ui/UiPaint.h"

inline SIZE SongTextExtent(const std::string& text, int points) {
  HDC dc = GetDC(nullptr);
  HFONT font = CreateSongFont(points);
  HGDIOBJ previous = SelectObject(dc, font);
  SIZE size = {};
  GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
  SelectObject(dc, previous);
  DeleteObject(font);
  ReleaseDC(nullptr, dc);
  return size;
}
