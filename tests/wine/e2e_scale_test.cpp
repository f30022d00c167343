// The module's windows at the display scale of the prefix the test runs in (LogPixels 96,
// 144 or 192): the status bar and the candidate window grow with the scale, a click lands
// on the button whose image is drawn under it and on the row drawn under it, and a
// screenshot of both windows is kept for each scale.
#include <algorithm>
#include <cstdio>
#include <string>

#include "tests/wine/support/CandidateWindowFixture.h"
#include "tests/wine/support/Screenshot.h"
#include "tests/wine/support/SongText.h"

namespace {

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

// The cell of "中" in 12-point 宋体 at 96 DPI (16 pixels high), whatever the screen's DPI:
// the unit of the windows' sizes at 96 DPI.
SIZE CellAt96(const std::string& sample) {
  HFONT font = CreateFontA(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                           "宋体");
  const SIZE size = TextExtentIn(font, sample);
  DeleteObject(font);
  return size;
}

// The growth the user must see at the scale.
RECT WindowRect(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  return r;
}

double Growth(int dpi) { return dpi >= 192 ? 1.9 : dpi >= 144 ? 1.45 : 1.0; }

bool Red(COLORREF c) { return GetRValue(c) > 150 && GetGValue(c) < 90 && GetBValue(c) < 90; }

TEST_F(CandidateWindowTest, TheWindowsGrowWithTheDisplayScaleAndAreHitWhereDrawn) {
  const int dpi = ScreenDpi();
  const std::string tag = std::to_string(dpi);
  UseLayout(true);
  TypeLetters("a");
  HWND candidates = CandidateWindow();
  ASSERT_NE(candidates, nullptr);
  HWND status = FindWindowA(ModuleString(IDS_CLASS_STATUS).c_str(), nullptr);
  ASSERT_NE(status, nullptr);
  const RECT window = WindowRect(candidates);
  const RECT bar = WindowRect(status);

  // The same windows at 96 DPI: the status bar, and the candidate window for the page of
  // "a", whose short rows leave it at its base height (its width follows the texts drawn).
  const SIZE cell = CellAt96(ModuleString(IDS_SAMPLE_CHAR));
  const int cx = GetSystemMetrics(SM_CXBORDER), cy = GetSystemMetrics(SM_CYBORDER);
  const StatusMetrics bar96 = ComputeStatusMetrics(cx, cell.cy);
  CandidateLayout layout96 = ComputeCandidateLayout(true, cx, cy, cell.cx, cell.cy);
  const UiSize page96 = FinishCandidateSize(layout96, layout96.baseWidth, 5, true).size;
  const int width = window.right - window.left, height = window.bottom - window.top;
  const int barWidth = bar.right - bar.left, barHeight = bar.bottom - bar.top;
  std::printf("%d DPI: candidate window %dx%d (height %.2fx its %d at 96 DPI), status bar %dx%d "
              "(%.2fx %dx%d)\n",
              dpi, width, height, static_cast<double>(height) / page96.height, page96.height,
              barWidth, barHeight, static_cast<double>(barWidth) / bar96.window.width,
              bar96.window.width, bar96.window.height);
  EXPECT_GE(height, Growth(dpi) * page96.height);
  EXPECT_GE(barWidth, Growth(dpi) * bar96.window.width);
  EXPECT_GE(barHeight, Growth(dpi) * bar96.window.height);

  const Screenshot shot = CaptureScreen(AroundWindow(candidates, 8));
  EXPECT_FALSE(KeepScreenshot(shot, ("scale-" + tag + "-candidate").c_str()).empty());
  const Screenshot barShot = CaptureScreen(bar);
  EXPECT_FALSE(KeepScreenshot(barShot, ("scale-" + tag + "-status").c_str()).empty());

  // The Chinese punctuation button is the first red image in the right part of the bar
  // (the mode button at its left end is red too, and the soft keyboard's, right of it, is
  // struck through in red): a click on its middle switches to English punctuation, whose
  // image has no red.
  int first = bar.right;
  for (int y = bar.top; y < bar.bottom; ++y) {
    for (int x = bar.left + barWidth / 3; x < bar.right; ++x) {
      if (Red(barShot.At(x, y))) first = std::min(first, x);
    }
  }
  const int imageWidth = barWidth / kStatusButtonCount * 9 / 10;
  RECT found = {bar.right, bar.bottom, bar.left, bar.top};
  for (int y = bar.top; y < bar.bottom; ++y) {
    for (int x = first; x < first + imageWidth && x < bar.right; ++x) {
      if (!Red(barShot.At(x, y))) continue;
      found = {std::min(found.left, static_cast<LONG>(x)), std::min(found.top, static_cast<LONG>(y)),
               std::max(found.right, static_cast<LONG>(x + 1)),
               std::max(found.bottom, static_cast<LONG>(y + 1))};
    }
  }
  ASSERT_LT(found.left, found.right) << "no punctuation image drawn";
  Press(VK_ESCAPE);
  ClickAt({(found.left + found.right) / 2, (found.top + found.bottom) / 2});
  HIMC himc = ImmGetContext(edit_);
  DWORD conversion = 0, sentence = 0;
  ImmGetConversionStatus(himc, &conversion, &sentence);
  ImmReleaseContext(edit_, himc);
  EXPECT_EQ(conversion & IME_CMODE_SYMBOL, 0u) << "the click missed the punctuation button";
  const Screenshot after = CaptureScreen(bar);
  EXPECT_EQ(after.Count(found, Red), 0);

  // A click on the second row, where the scaled layout draws it, commits that row.
  TypeLetters("a");
  ASSERT_TRUE(ClickCandidateWindow(RowPoint({"中", "文"}, 1)));
  EXPECT_EQ(Text(), L"\u6587");  // 文
}

}  // namespace
