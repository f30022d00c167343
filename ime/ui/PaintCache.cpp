#include "ime/ui/PaintCache.h"

#include <memory>
#include <string>

#include "ime/settings/Globals.h"
#include "ime/ui/UiPaint.h"

namespace {

SRWLOCK lock = SRWLOCK_INIT;

struct NamedImage {
  std::string name;
  std::unique_ptr<CachedImage> image;  // none when the module has no such bitmap
};
std::vector<NamedImage> images;

// A bitmap stretched to one size, selected into a memory DC of its own.
struct StretchedCopy {
  std::string name;
  int width = 0;
  int height = 0;
  int mode = 0;
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ original = nullptr;  // the DC's own bitmap, selected back before it is deleted
  std::uint64_t lastUse = 0;
};
std::vector<StretchedCopy> stretchedCopies;
std::uint64_t copiesUsed = 0;
// Sizes kept per bitmap: a window alternates between a few (the vertical candidate window
// between its page and its composition line alone).
constexpr int kSizesPerImage = 4;

struct SharedFont {
  int dpi;
  int points;
  bool underline;
  HFONT font;
};
std::vector<SharedFont> fonts;

std::unique_ptr<CachedImage> LoadImagePixels(const char* name) {
  HBITMAP bitmap = LoadBitmapA(globals.resourceModule, name);
  if (!bitmap) return nullptr;
  BITMAP info = {};
  auto image = std::make_unique<CachedImage>();
  if (GetObjectA(bitmap, sizeof info, &info) && info.bmWidth > 0 && info.bmHeight > 0) {
    image->width = info.bmWidth;
    image->height = info.bmHeight;
    image->pixels.resize(static_cast<size_t>(info.bmWidth) * static_cast<size_t>(info.bmHeight));
    BITMAPINFO format = CachedImageFormat(info.bmWidth, info.bmHeight);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight),
                               image->pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != info.bmHeight) image.reset();
  } else {
    image.reset();
  }
  DeleteObject(bitmap);
  return image;
}

// The copy of name at the size and mode, else the one to stretch again: a new one while
// the bitmap has fewer than kSizesPerImage, or its least recently used.
StretchedCopy& CopyFor(const char* name, int width, int height, int mode) {
  StretchedCopy* oldest = nullptr;
  int sizes = 0;
  for (StretchedCopy& copy : stretchedCopies) {
    if (copy.name != name) continue;
    if (copy.width == width && copy.height == height && copy.mode == mode) return copy;
    ++sizes;
    if (!oldest || copy.lastUse < oldest->lastUse) oldest = &copy;
  }
  if (sizes < kSizesPerImage || !oldest) {
    stretchedCopies.push_back({name});
    return stretchedCopies.back();
  }
  return *oldest;
}

// Stretches image into copy at the size and mode; false (with copy left unsized) when the
// memory DC or the bitmap cannot be made.
bool Restretch(StretchedCopy& copy, const CachedImage& image, int width, int height, int mode) {
  copy.width = copy.height = 0;
  if (!copy.dc) copy.dc = CreateCompatibleDC(nullptr);
  if (!copy.dc) return false;
  const BITMAPINFO format = CachedImageFormat(width, height);
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(copy.dc, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return false;
  HGDIOBJ previous = SelectObject(copy.dc, bitmap);
  if (copy.bitmap) {
    DeleteObject(copy.bitmap);
  } else {
    copy.original = previous;
  }
  copy.bitmap = bitmap;
  SetStretchBltMode(copy.dc, mode);
  StretchImagePixels(copy.dc, image, 0, 0, width, height, SRCCOPY);
  copy.width = width;
  copy.height = height;
  copy.mode = mode;
  return true;
}

}  // namespace

const CachedImage* CachedImageNamed(const char* name) {
  AcquireSRWLockExclusive(&lock);
  const CachedImage* found = nullptr;
  bool known = false;
  for (const NamedImage& entry : images) {
    if (entry.name == name) {
      found = entry.image.get();
      known = true;
      break;
    }
  }
  if (!known) {
    images.push_back({name, LoadImagePixels(name)});
    found = images.back().image.get();
  }
  ReleaseSRWLockExclusive(&lock);
  return found;
}

void CopyStretchedImage(HDC dc, const char* name, int x, int y, int width, int height) {
  const CachedImage* image = CachedImageNamed(name);
  if (!image || width <= 0 || height <= 0) return;
  const int mode = GetStretchBltMode(dc);
  AcquireSRWLockExclusive(&lock);
  StretchedCopy& copy = CopyFor(name, width, height, mode);
  copy.lastUse = ++copiesUsed;
  const bool kept = copy.width == width && copy.height == height && copy.mode == mode;
  const bool copied = (kept || Restretch(copy, *image, width, height, mode)) &&
                      BitBlt(dc, x, y, width, height, copy.dc, 0, 0, SRCCOPY);
  ReleaseSRWLockExclusive(&lock);
  if (copied) return;
  // Without the memory for a copy, stretched straight onto dc.
  StretchImagePixels(dc, *image, x, y, width, height, SRCCOPY);
}

void StretchImagePixels(HDC dc, const CachedImage& image, int x, int y, int width, int height,
                        DWORD rop) {
  const BITMAPINFO format = CachedImageFormat(image.width, image.height);
  StretchDIBits(dc, x, y, width, height, 0, 0, image.width, image.height, image.pixels.data(),
                &format, DIB_RGB_COLORS, rop);
}

HFONT SharedSongFont(int points, bool underline) {
  AcquireSRWLockExclusive(&lock);
  HFONT found = nullptr;
  const int dpi = FontDpi();
  for (const SharedFont& entry : fonts) {
    if (entry.dpi == dpi && entry.points == points && entry.underline == underline) found = entry.font;
  }
  if (!found) {
    found = CreateSongFont(points, underline);
    if (found) fonts.push_back({dpi, points, underline, found});
  }
  ReleaseSRWLockExclusive(&lock);
  return found;
}

void FreePaintCache() {
  AcquireSRWLockExclusive(&lock);
  for (const SharedFont& entry : fonts) DeleteObject(entry.font);
  fonts.clear();
  for (StretchedCopy& copy : stretchedCopies) {
    if (copy.original) SelectObject(copy.dc, copy.original);
    if (copy.bitmap) DeleteObject(copy.bitmap);
    if (copy.dc) DeleteDC(copy.dc);
  }
  stretchedCopies.clear();
  ReleaseSRWLockExclusive(&lock);
}
