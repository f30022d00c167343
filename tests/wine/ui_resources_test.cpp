// The bitmaps and cursor the windows load by name, their stretched copies, and the soft
// keyboard's code arrays.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <vector>

#include "ime/settings/Globals.h"
#include "ime/ui/PaintCache.h"
#include "ime/ui/SoftKeyboard.h"

namespace {

struct Image {
  const char* name;
  int width;
  int height;
};

const Image kImages[] = {
    {"Chinese", 20, 20},   {"English", 20, 20},    {"IMESX", 20, 20},     {"IMEZX", 20, 20},
    {"FanTi", 20, 20},     {"JianTi", 20, 20},     {"CoName", 20, 20},    {"FullShape", 20, 20},
    {"HalfShape", 20, 20}, {"Symbol", 20, 20},     {"NoSymbol", 20, 20},  {"SoftKBD", 20, 20},
    {"NoSoftKBD", 20, 20}, {"DzLx", 20, 20},       {"bmsearch", 20, 20},  {"statusback", 150, 25},
    {"candback", 200, 200}, {"compback", 198, 25}, {"search", 20, 20},    {"CandU", 14, 14},
    {"candudis", 14, 14},  {"CandD", 14, 14},      {"CandDdis", 14, 14},  {"adliston", 16, 16},
    {"adlistoff", 16, 16}, {"adlistshow", 16, 16}, {"adlisthide", 16, 16}, {"contextclose", 20, 20},
};

TEST(UiResourcesTest, EveryBitmapLoadsByNameAtItsSize) {
  HINSTANCE module = GetModuleHandleA(nullptr);
  for (const Image& image : kImages) {
    HBITMAP bitmap = LoadBitmapA(module, image.name);
    ASSERT_NE(bitmap, nullptr) << image.name;
    BITMAP info = {};
    ASSERT_TRUE(GetObjectA(bitmap, sizeof info, &info));
    EXPECT_EQ(info.bmWidth, image.width) << image.name;
    EXPECT_EQ(info.bmHeight, image.height) << image.name;
    DeleteObject(bitmap);
  }
}

// White is the transparent colour of the buttons: a corner stays white, the middle is drawn.
TEST(UiResourcesTest, ButtonImagesHaveWhiteBackgroundAndInk) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  for (const char* name : {"Chinese", "IMESX", "FanTi", "SoftKBD"}) {
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), name);
    ASSERT_NE(bitmap, nullptr);
    HGDIOBJ old = SelectObject(memory, bitmap);
    EXPECT_EQ(GetPixel(memory, 0, 19), RGB(255, 255, 255)) << name;
    int ink = 0;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x) ink += GetPixel(memory, x, y) != RGB(255, 255, 255);
    EXPECT_GT(ink, 20) << name;
    SelectObject(memory, old);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

// A 32-bit memory bitmap to draw on, its pixels readable.
struct Canvas {
  Canvas(int width, int height) : width(width), height(height) {
    BITMAPINFO format = CachedImageFormat(width, height);
    void* bits = nullptr;
    bitmap = CreateDIBSection(dc, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels = static_cast<std::uint32_t*>(bits);
    original = SelectObject(dc, bitmap);
  }
  ~Canvas() {
    SelectObject(dc, original);
    DeleteObject(bitmap);
    DeleteDC(dc);
  }
  std::vector<std::uint32_t> Pixels() const {
    GdiFlush();
    return std::vector<std::uint32_t>(pixels, pixels + width * height);
  }
  int width, height;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = nullptr;
  HGDIOBJ original = nullptr;
  std::uint32_t* pixels = nullptr;
};

// The kept copies never stand in for another size: each size, met again after others
// (more of them than are kept), looks as the bitmap stretched to it directly.
TEST(UiResourcesTest, AStretchedBackgroundLooksTheSameWhicheverSizesCameBefore) {
  globals.resourceModule = GetModuleHandleA(nullptr);
  const CachedImage* image = CachedImageNamed("candback");
  ASSERT_NE(image, nullptr);
  const SIZE sizes[] = {{200, 220}, {200, 25}, {180, 220}, {250, 60},
                        {120, 40},  {200, 25}, {200, 220}, {180, 220}};
  for (const SIZE& size : sizes) {
    Canvas copied(260, 230), direct(260, 230);
    std::fill(copied.pixels, copied.pixels + 260 * 230, 0xFF00FFu);
    std::fill(direct.pixels, direct.pixels + 260 * 230, 0xFF00FFu);
    CopyStretchedImage(copied.dc, "candback", 3, 2, size.cx, size.cy);
    StretchImagePixels(direct.dc, *image, 3, 2, size.cx, size.cy, SRCCOPY);
    EXPECT_EQ(copied.Pixels(), direct.Pixels()) << size.cx << "x" << size.cy;
  }
  FreePaintCache();
}

TEST(UiResourcesTest, HandCursorLoads) {
  HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), "Hand");
  ASSERT_NE(hand, nullptr);
  ICONINFO info = {};
  ASSERT_TRUE(GetIconInfo(hand, &info));
  EXPECT_FALSE(info.fIcon);
  EXPECT_EQ(info.xHotspot, 5u);
  EXPECT_EQ(info.yHotspot, 0u);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
}

TEST(SoftKeyboardCodesTest, PcKeyboardGivesFullWidthCharacters) {
  WORD codes[2][256];
  FillSoftKeyboardCodes(0, codes);
  EXPECT_EQ(codes[0]['A'], 0xA3E1);  // ａ
  EXPECT_EQ(codes[1]['A'], 0xA3C1);  // Ａ
  EXPECT_EQ(codes[0]['1'], 0xA3B1);  // １
  EXPECT_EQ(codes[0][' '], 0xA1A1);  // the ideographic space
  EXPECT_EQ(codes[0][0xBA], 0xA3BB);  // ；
  EXPECT_EQ(codes[0][VK_RETURN], 0) << "keys without a soft key stay 0";
}

TEST(SoftKeyboardCodesTest, GreekLettersFollowTheKeyboardRows) {
  WORD codes[2][256];
  FillSoftKeyboardCodes(1, codes);
  EXPECT_EQ(codes[0]['Q'], 0xA6C1);  // α
  EXPECT_EQ(codes[0]['W'], 0xA6C2);  // β
  EXPECT_EQ(codes[0]['A'], 0xA6CA);  // κ
  EXPECT_EQ(codes[1]['Q'], 0xA6A1);  // Α
  EXPECT_EQ(codes[0]['1'], 0x2020) << "a key without a character holds two spaces";
}

}  // namespace
