// Screen captures for the window tests: what the display shows in a screen rectangle, read
// back through the screen DC (under Wine's X11 driver, from the X server), checked pixel by
// pixel and kept as .bmp files in the folder "screenshots" beside the test program.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "tests/wine/support/Programs.h"

struct Screenshot {
  RECT area = {};                      // the screen rectangle captured
  std::vector<std::uint32_t> pixels;   // top-down rows, 0x00RRGGBB

  int Width() const { return area.right - area.left; }
  int Height() const { return area.bottom - area.top; }
  bool Empty() const { return pixels.empty(); }

  // The colour at a screen point, CLR_INVALID outside the capture.
  COLORREF At(int screenX, int screenY) const {
    const int x = screenX - area.left;
    const int y = screenY - area.top;
    if (pixels.empty() || x < 0 || y < 0 || x >= Width() || y >= Height()) return CLR_INVALID;
    const std::uint32_t p = pixels[static_cast<std::size_t>(y) * Width() + x];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }

  // How many pixels of a screen rectangle (clipped to the capture) satisfy test.
  template <typename Test>
  int Count(const RECT& r, Test test) const {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) {
        const COLORREF c = At(x, y);
        if (c != CLR_INVALID && test(c)) ++n;
      }
    }
    return n;
  }
};

// Copies the screen rectangle (clipped to the screen) into a 32-bit DIB section. Empty when
// the screen cannot be read.
inline Screenshot CaptureScreen(RECT area) {
  Screenshot shot;
  const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (!IntersectRect(&shot.area, &area, &screen)) return shot;
  const int width = shot.Width();
  const int height = shot.Height();
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  HDC screenDc = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screenDc);
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(screenDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (memory && dib && bits) {
    HGDIOBJ previous = SelectObject(memory, dib);
    if (BitBlt(memory, 0, 0, width, height, screenDc, shot.area.left, shot.area.top, SRCCOPY)) {
      GdiFlush();
      const auto* first = static_cast<const std::uint32_t*>(bits);
      shot.pixels.assign(first, first + static_cast<std::size_t>(width) * height);
    }
    SelectObject(memory, previous);
  }
  if (dib) DeleteObject(dib);
  if (memory) DeleteDC(memory);
  ReleaseDC(nullptr, screenDc);
  return shot;
}

// A window's screen rectangle with a margin around it, so that the capture shows where the
// window stands against what lies around it.
inline RECT AroundWindow(HWND window, int margin) {
  RECT r = {};
  GetWindowRect(window, &r);
  InflateRect(&r, margin, margin);
  return r;
}

// Writes the capture as a 24-bit bottom-up BMP.
inline bool SaveBmp(const Screenshot& shot, const std::string& path) {
  if (shot.Empty()) return false;
  const int width = shot.Width();
  const int height = shot.Height();
  const int stride = (width * 3 + 3) & ~3;
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER header = {};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(stride) * height;
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = static_cast<DWORD>(stride) * height;
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return false;
  bool ok = std::fwrite(&file, sizeof file, 1, out) == 1 &&
            std::fwrite(&header, sizeof header, 1, out) == 1;
  std::vector<unsigned char> row(stride, 0);
  for (int y = height - 1; ok && y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = shot.pixels[static_cast<std::size_t>(y) * width + x];
      row[x * 3] = p & 0xFF;
      row[x * 3 + 1] = (p >> 8) & 0xFF;
      row[x * 3 + 2] = (p >> 16) & 0xFF;
    }
    ok = std::fwrite(row.data(), row.size(), 1, out) == 1;
  }
  return std::fclose(out) == 0 && ok;
}

// Keeps the capture as screenshots\<name>.bmp beside the test program; the path, or an
// empty string when it could not be written.
inline std::string KeepScreenshot(const Screenshot& shot, const char* name) {
  const std::string folder = BesideThisProgram("screenshots");
  CreateDirectoryA(folder.c_str(), nullptr);
  const std::string path = folder + "\\" + name + ".bmp";
  return SaveBmp(shot, path) ? path : std::string();
}
