// What the windows paint with, made once per process instead of at every paint: the
// bitmaps of the resource module as pixels, their stretched copies, and the 宋体 fonts of
// the candidate window.
// Windows of several threads may paint at once: the pixels are only read, a font may be
// selected into several device contexts, and a stretched copy is used under a lock.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

struct CachedImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 32 bits a pixel, rows bottom-up
};

// The format of those pixels.
inline BITMAPINFO CachedImageFormat(int width, int height) {
  BITMAPINFO format = {};
  format.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  return format;
}

// The bitmap of the resource module by name, or nullptr when it has none.
const CachedImage* CachedImageNamed(const char* name);
// Stretches image onto dc over the rectangle with the raster operation rop.
void StretchImagePixels(HDC dc, const CachedImage& image, int x, int y, int width, int height,
                        DWORD rop);

// Copies the bitmap of the resource module by name, stretched to width x height with dc's
// stretch mode, onto dc at x, y. The stretched copy of each bitmap is kept for the next call
// of the same size: a window keeps its size from key to key, and under Wine the stretch is
// the larger part of a paint.
void CopyStretchedImage(HDC dc, const char* name, int x, int y, int width, int height);

// 宋体 with GB2312_CHARSET at the given size, shared: the caller never deletes it.
HFONT SharedSongFont(int points, bool underline = false);
// At module shutdown: the fonts and the stretched copies.
void FreePaintCache();
