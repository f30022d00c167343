// Screenshots of the candidate window (both layouts), the status bar (Chinese and English)
// and the context window, read back from the display with the prefix's CJK font standing in
// for 宋体. The pixels are checked where the layout says the window and its parts are; the
// images are kept in bin\screenshots.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "ime/settings/Launch.h"
#include "ime/ui/ContextWindow.h"
#include "ime/ui/CandidateRows.h"
#include "ime/ui/StatusClicks.h"
#include "ime/ui/UiPaint.h"
#include "tests/wine/support/Screenshot.h"
#include "tests/wine/support/SongText.h"
#include "tests/wine/ui_fixture.h"

namespace {

constexpr int kMargin = 8;
constexpr unsigned kLongRow = 2;
const char kLongText[] = "中华人民共和国全国人民代表大会常务委员会";  // 20 characters
constexpr COLORREF kOutline = RGB(128, 128, 128);

bool IsInk(COLORREF c) {
  return GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 110;
}
bool IsBlue(COLORREF c) {
  return GetBValue(c) > 150 && GetRValue(c) < 100 && GetGValue(c) < 120;
}
bool IsRed(COLORREF c) {
  return GetRValue(c) > 150 && GetGValue(c) < 100 && GetBValue(c) < 100;
}
bool IsDarkOrBlue(COLORREF c) { return IsInk(c) || IsBlue(c); }

RECT OnScreen(HWND window, const UiRect& client) {
  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  return {origin.x + client.left, origin.y + client.top, origin.x + client.right,
          origin.y + client.bottom};
}

// The width of text in 宋体 at the given point size, measured here.
int SongWidth(const std::string& text, int points) {
  HDC dc = GetDC(nullptr);
  HFONT font = CreateSongFont(points);
  HGDIOBJ old = SelectObject(dc, font);
  const int width = TextWidth(dc, text.data(), static_cast<int>(text.size()));
  SelectObject(dc, old);
  DeleteObject(font);
  ReleaseDC(nullptr, dc);
  return width;
}

// The window's outline is the grey frame at its exact edges.
void ExpectOutline(const Screenshot& shot, const RECT& r) {
  const int midX = (r.left + r.right) / 2;
  const int midY = (r.top + r.bottom) / 2;
  EXPECT_EQ(shot.At(midX, r.top), kOutline);
  EXPECT_EQ(shot.At(midX, r.bottom - 1), kOutline);
  EXPECT_EQ(shot.At(r.left, midY), kOutline);
  EXPECT_EQ(shot.At(r.right - 1, midY), kOutline);
  EXPECT_NE(shot.At(midX, r.top - 1), kOutline);
  EXPECT_NE(shot.At(r.left - 1, midY), kOutline);
}

class UiScreenshotTest : public UiWindowsTest {
 protected:
  // The window as the display shows it, with a margin, kept as screenshots\<name>.bmp.
  Screenshot Shoot(HWND window, const char* name) {
    Pump();
    Sleep(150);
    Pump();
    const Screenshot shot = CaptureScreen(AroundWindow(window, kMargin));
    EXPECT_FALSE(KeepScreenshot(shot, name).empty()) << name;
    return shot;
  }

  // The candidate window beside the status bar, which stands where the context has it
  // (StartComposition puts it at 100, 500).
  void ExpectBesideTheStatusBar(const RECT& candidates) {
    const RECT status = WindowRect(Record().statusWnd);
    EXPECT_EQ(status.left, 100);
    EXPECT_EQ(status.top, 500);
    EXPECT_EQ(candidates.left, status.right + 4);
    EXPECT_EQ(candidates.top, status.top - 10);
  }

  // A full page of ten candidates, one of them 20 characters long, in the given layout.
  HWND StartComposition(bool vertical) {
    SetDword(kSettingsKeyPath, "竖向排列", vertical ? 1 : 0);
    LPINPUTCONTEXT context = ImmLockIMC(himc);
    context->ptStatusWndPos = {100, 500};
    context->cfCompForm.dwStyle = CFS_DEFAULT;
    ImmUnlockIMC(himc);
    Activate();
    FillCandidates(10, "ab");
    std::snprintf(globals.candidatePool[kLongRow], kCandidateBufferSize, "0%s", kLongText);
    ListPool(10);
    return OpenCandidatePage();
  }

  // The widths of the page's seven rows in the 12-point font.
  void RowWidths(int (&widths)[kCandidateSlotCount]) {
    for (int k = 0; k < kCandidateSlotCount; ++k) {
      widths[k] = SongWidth(CandidateRowText(k, globals.candidatePool[k] + 1), 12);
    }
  }

  // Composition code and search text are drawn on the composition line.
  void ExpectCompositionLine(const Screenshot& shot, HWND window) {
    const CandidateLayout& l = ui.candidate;
    EXPECT_EQ(ui.searchText, "候选1");
    EXPECT_EQ(l.searchText.right, l.searchText.left + SongWidth("候选1", 9) + 2);
    EXPECT_GT(shot.Count(OnScreen(window, l.compText), IsInk), 10) << "code";
    EXPECT_GT(shot.Count(OnScreen(window, l.searchText), IsInk), 20) << "search text";
  }
};

TEST_F(UiScreenshotTest, SongTypefaceIsTheSubstitutedCjkFont) {
  char value[64] = {};
  DWORD size = sizeof value;
  ASSERT_EQ(RegGetValueA(HKEY_LOCAL_MACHINE,
                         "Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes", "宋体",
                         RRF_RT_REG_SZ, nullptr, value, &size),
            ERROR_SUCCESS);
  EXPECT_STREQ(value, "WenQuanYi Micro Hei");

  HDC dc = GetDC(nullptr);
  const int height = -MulDiv(12, GetDeviceCaps(dc, LOGPIXELSY), 72);
  auto measure = [&](const char* face, TEXTMETRICA* metrics, SIZE* cell, char* name) {
    HFONT font = CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH, face);
    HGDIOBJ old = SelectObject(dc, font);
    GetTextMetricsA(dc, metrics);
    GetTextExtentPoint32A(dc, "中", 2, cell);
    GetTextFaceA(dc, 64, name);
    WORD glyph = 0;
    GetGlyphIndicesW(dc, L"\x4E2D", 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(dc, old);
    DeleteObject(font);
    return glyph;
  };
  TEXTMETRICA song = {}, wqy = {};
  SIZE songCell = {}, wqyCell = {};
  char songName[64] = {}, wqyName[64] = {};
  const WORD songGlyph = measure("宋体", &song, &songCell, songName);
  measure("WenQuanYi Micro Hei", &wqy, &wqyCell, wqyName);
  ReleaseDC(nullptr, dc);

  // Resolved through the substitute the face keeps its asked-for name; a font found by
  // charset fallback would report its own.
  EXPECT_STREQ(songName, "宋体");
  EXPECT_NE(songGlyph, 0xFFFF) << "中 has a glyph";
  EXPECT_EQ(song.tmCharSet, GB2312_CHARSET);
  EXPECT_EQ(song.tmHeight, wqy.tmHeight);
  EXPECT_EQ(song.tmAscent, wqy.tmAscent);
  EXPECT_EQ(song.tmAveCharWidth, wqy.tmAveCharWidth);
  EXPECT_EQ(songCell.cx, wqyCell.cx);
  EXPECT_EQ(songCell.cy, wqyCell.cy);
  // The windows' unit is this cell: a CJK character as wide as the font is high.
  EXPECT_EQ(globals.charWidth, wqyCell.cx);
  EXPECT_EQ(globals.charHeight, wqyCell.cy);
  EXPECT_EQ(globals.charWidth, -height);
}

TEST_F(UiScreenshotTest, HorizontalCandidateWindow) {
  HWND window = StartComposition(false);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(IsWindowVisible(window));
  ASSERT_FALSE(ui.candidate.vertical);
  const Screenshot shot = Shoot(window, "candidate-horizontal");
  ASSERT_FALSE(shot.Empty());
  const CandidateLayout& l = ui.candidate;
  const RECT r = WindowRect(window);
  const int width = r.right - r.left;
  const int height = r.bottom - r.top;

  ExpectBesideTheStatusBar(r);

  // Size: the seven rows side by side, the base height.
  int widths[kCandidateSlotCount];
  RowWidths(widths);
  const HorizontalRows rows = PlaceHorizontalRows(l, widths, kCandidateSlotCount,
                                                  globals.workArea.right);
  ASSERT_EQ(rows.placed, kCandidateSlotCount);
  EXPECT_EQ(RowsDrawn(), 7u);
  EXPECT_EQ(width, std::max({rows.windowWidth, l.searchText.right + 21, l.baseWidth}));
  const int rowHeight = std::max(globals.charHeight, 18);
  EXPECT_EQ(height, l.baseHeight);
  EXPECT_EQ(l.baseHeight, 2 * rowHeight + 11 * globals.borderHeight + 20);

  ExpectOutline(shot, r);
  ExpectCompositionLine(shot, window);

  // Each row drawn in its slot, one after the other; nothing between the last row and the
  // page buttons.
  const int top = l.candidateArea.top;
  for (int k = 0; k < kCandidateSlotCount; ++k) {
    const UiRect slot = ui.horizontalSlots[k];
    EXPECT_EQ(slot.Width(), widths[k]) << k;
    if (k > 0) {
      EXPECT_EQ(slot.left, ui.horizontalSlots[k - 1].right + 3) << k;
    }
    const RECT area = OnScreen(window, {slot.left, top, slot.right, top + l.charHeight});
    EXPECT_GT(shot.Count(area, IsDarkOrBlue), 20) << "row " << k;
  }
  const UiRect last = ui.horizontalSlots[kCandidateSlotCount - 1];
  EXPECT_EQ(shot.Count(OnScreen(window, {last.right + 1, top, l.pageUp.left, top + l.charHeight}),
                       IsDarkOrBlue), 0);
  // Rows of user entries (marker '1') are blue, the others black.
  auto slotArea = [&](int k) {
    const UiRect s = ui.horizontalSlots[k];
    return OnScreen(window, {s.left, top, s.right, top + l.charHeight});
  };
  EXPECT_EQ(shot.Count(slotArea(0), IsBlue), 0);
  EXPECT_GT(shot.Count(slotArea(1), IsBlue), 20);

  // The long row: 13 characters, "...", the last 3; the dots sit low in the row.
  const std::string longRow = CandidateRowText(kLongRow, kLongText);
  EXPECT_EQ(longRow, "3 中华人民共和国全国人民代表...委员会");
  const UiRect s = ui.horizontalSlots[kLongRow];
  const int dotsLeft = s.left + SongWidth("3 中华人民共和国全国人民代表", 12);
  const int dotsRight = dotsLeft + SongWidth("...", 12);
  const int half = l.charHeight / 2;
  EXPECT_EQ(shot.Count(OnScreen(window, {dotsLeft, top, dotsRight, top + half}), IsInk), 0);
  EXPECT_GT(shot.Count(OnScreen(window, {dotsLeft, top + half, dotsRight, top + l.charHeight}),
                       IsInk), 3);
  EXPECT_GT(shot.Count(OnScreen(window, {dotsRight, top, s.right, top + l.charHeight}), IsInk), 30)
      << "the tail";
}

TEST_F(UiScreenshotTest, VerticalCandidateWindow) {
  HWND window = StartComposition(true);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(IsWindowVisible(window));
  ASSERT_TRUE(ui.candidate.vertical);
  const Screenshot shot = Shoot(window, "candidate-vertical");
  ASSERT_FALSE(shot.Empty());
  const CandidateLayout& l = ui.candidate;
  const RECT r = WindowRect(window);
  const int width = r.right - r.left;

  ExpectBesideTheStatusBar(r);

  // Width: the widest row (the long one) + 8; height: the base height.
  int widths[kCandidateSlotCount];
  RowWidths(widths);
  EXPECT_EQ(width, std::max({VerticalRowsWidth(l, widths, kCandidateSlotCount),
                             l.searchText.right + 21, l.baseWidth}));
  EXPECT_EQ(width, widths[kLongRow] + 8);
  const int H = globals.charHeight;
  EXPECT_EQ(r.bottom - r.top, l.baseHeight);
  EXPECT_EQ(l.baseHeight, std::max(H, 18) + 7 * H + 15 * globals.borderHeight + 36);

  ExpectOutline(shot, r);
  ExpectCompositionLine(shot, window);

  // One row per line of H pixels; the long row reaches the last 8 pixels' edge.
  for (int k = 0; k < kCandidateSlotCount; ++k) {
    const int y = l.candidateArea.top + k * H;
    EXPECT_GT(shot.Count(OnScreen(window, {l.candidateArea.left, y, width, y + H}), IsDarkOrBlue),
              20) << "row " << k;
  }
  const int longTop = l.candidateArea.top + static_cast<int>(kLongRow) * H;
  const RECT beyond = OnScreen(window, {width - 8, longTop, width, longTop + H});
  EXPECT_EQ(shot.Count(beyond, IsInk), 0);
  const RECT tail = OnScreen(window, {width - 8 - l.charWidth, longTop, width - 8, longTop + H});
  EXPECT_GT(shot.Count(tail, IsInk), 10) << "the last character ends the row";
}

TEST_F(UiScreenshotTest, StatusBarInChineseAndEnglish) {
  Activate();
  HWND status = Record().statusWnd;
  ASSERT_NE(status, nullptr);
  const Screenshot chinese = Shoot(status, "status-chinese");
  StatusButtonClick(status, himc, 0);
  DWORD mode = 0, sentence = 0;
  ImmGetConversionStatus(himc, &mode, &sentence);
  ASSERT_FALSE(mode & IME_CMODE_NATIVE);
  SendMessageA(uiWindow, WM_IME_NOTIFY, IMN_SETCONVERSIONMODE, 0);
  const Screenshot english = Shoot(status, "status-english");
  ASSERT_FALSE(chinese.Empty());
  ASSERT_FALSE(english.Empty());

  // 6a + 180 by h + 6a at the context's status position: a new context puts it at the
  // bottom of the work area, below its window.
  const RECT r = WindowRect(status);
  const int a = GetSystemMetrics(SM_CXBORDER);
  const int h = std::max(globals.charHeight, 20);
  EXPECT_EQ(r.right - r.left, 6 * a + 180);
  EXPECT_EQ(r.bottom - r.top, h + 6 * a);
  POINT position = {};
  ASSERT_TRUE(ImmGetStatusWindowPos(himc, &position));
  EXPECT_EQ(r.left, position.x);
  EXPECT_EQ(r.top, position.y);
  EXPECT_EQ(r.left, WindowRect(app).left);
  EXPECT_EQ(r.bottom, globals.workArea.bottom);

  // The class background shows at the corner, the bar's image from (2, 2) with its border.
  for (const Screenshot* shot : {&chinese, &english}) {
    EXPECT_EQ(shot->At(r.left, r.top), RGB(192, 192, 192));
    EXPECT_EQ(shot->At(r.left + 2, r.top + 2), RGB(160, 170, 190));
  }

  // Button 0 is red "中" in Chinese and blue "英" in English; the other buttons stay.
  const RECT button0 = OnScreen(status, ui.status.buttons[0]);
  EXPECT_GT(chinese.Count(button0, IsRed), 10);
  EXPECT_EQ(chinese.Count(button0, IsBlue), 0);
  EXPECT_GT(english.Count(button0, IsBlue), 10);
  EXPECT_EQ(english.Count(button0, IsRed), 0);
  const RECT others = OnScreen(status, {ui.status.buttons[1].left, ui.status.buttonArea.top,
                                        ui.status.buttonArea.right, ui.status.buttonArea.bottom});
  int differing = 0;
  for (int y = others.top; y < others.bottom; ++y) {
    for (int x = others.left; x < others.right; ++x) differing += chinese.At(x, y) != english.At(x, y);
  }
  EXPECT_EQ(differing, 0);
  EXPECT_GT(chinese.Count(others, IsDarkOrBlue), 100) << "the other buttons are drawn";
}

TEST_F(UiScreenshotTest, ContextWindow) {
  const std::string text =
      "[百度百科]\r\nlink=http://baike.baidu.com/\r\n"
      "[新华字典]\r\nlink=\r\n"
      "[汉语拼音方案]\r\nlink=\r\n";
  const std::string path = UseLinkList(text);

  Activate();
  ui.contextFirstEntry = 0;
  ui.contextHovered = -1;
  ShowContextWindow(Record().statusWnd);
  Pump();
  HWND popup = ui.contextWindow;
  ASSERT_TRUE(IsWindowVisible(popup));
  ASSERT_EQ(linkList.entries.size(), 3u);
  const Screenshot shot = Shoot(popup, "context-window");
  ShowWindow(popup, SW_HIDE);
  DeleteFileA(path.c_str());
  globals.linkListPath[0] = '\0';
  ASSERT_FALSE(shot.Empty());

  // Above the status bar, its right edge on the bar's.
  const RECT status = WindowRect(Record().statusWnd);
  const RECT r = WindowRect(popup);
  const int width = r.right - r.left;
  EXPECT_EQ(r.right, status.right);
  EXPECT_EQ(r.bottom, status.top + 2);
  // Height th + 178; wide enough for the home page text and every entry.
  const SIZE home = SongTextExtent("Lumatori主页", 9);
  const int th = home.cy;
  EXPECT_EQ(r.bottom - r.top, th + 178);
  EXPECT_GE(width - 14, home.cx);
  for (const auto& entry : linkList.entries) {
    EXPECT_GE(width - 14, SongWidth(entry.text.substr(0, entry.text.size() - 1), 9) + 10);
  }

  ExpectOutline(shot, r);
  EXPECT_EQ(shot.At(r.left + width / 2, r.top + th + 100), RGB(255, 255, 255));
  // The two rules run from x = 2 over a + 8 pixels, a = width - 14.
  for (const int y : {th + 6, th + 157}) {
    const RECT rule = {r.left + 2, r.top + y, r.left + width - 4, r.top + y + 1};
    EXPECT_EQ(shot.Count(rule, [](COLORREF c) { return c == RGB(0, 0, 0); }), width - 6) << y;
  }
  EXPECT_GT(shot.Count({r.left + 12, r.top + 4, r.left + 12 + home.cx, r.top + 4 + th}, IsInk), 30)
      << "home page";
  for (int i = 0; i < 4; ++i) {
    const int y = r.top + th + 12 + 18 * i;
    const int ink = shot.Count({r.left + 12, y, r.right - 4, y + 18}, IsInk);
    if (i < 3) {
      EXPECT_GT(ink, 30) << "entry " << i;
    } else {
      EXPECT_EQ(ink, 0) << "no entry " << i;
    }
  }
  const SIZE search = SongTextExtent("谷歌搜索", 9);
  EXPECT_GT(shot.Count({r.left + 10, r.top + th + 162, r.left + 10 + search.cx,
                        r.top + th + 162 + search.cy}, IsInk), 30) << "web search";
}

}  // namespace
