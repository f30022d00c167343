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

struct SharedFont {
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

HFONT SharedSongFont(int points, bool underline) {
  AcquireSRWLockExclusive(&lock);
  HFONT found = nullptr;
  for (const SharedFont& entry : fonts) {
    if (entry.points == points && entry.underline == underline) found = entry.font;
  }
  if (!found) {
    found = CreateSongFont(points, underline);
    if (found) fonts.push_back({points, underline, found});
  }
  ReleaseSRWLockExclusive(&lock);
  return found;
}

void FreeSharedFonts() {
  AcquireSRWLockExclusive(&lock);
  for (const SharedFont& entry : fonts) DeleteObject(entry.font);
  fonts.clear();
  ReleaseSRWLockExclusive(&lock);
}
