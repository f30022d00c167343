#include "ime/ui/ContextWindow.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "ime/common/Guarded.h"
#include "ime/settings/Globals.h"
#include "ime/settings/ListFiles.h"
#include "ime/settings/WebSearch.h"
#include "ime/settings/WebSearchAddress.h"
#include "ime/ui/MonitorArea.h"
#include "ime/ui/UiPaint.h"
#include "ime/ui/UiState.h"

namespace {

constexpr int kEntriesPerPage = 8;
constexpr int kRowHeight = 18;
constexpr int kHoverHome = 0;
constexpr int kHoverSearch = 20;
constexpr int kCloseButtonRoom = 20;
const char kHomeText[] = "Lumatori主页";
const char kSearchText[] = "谷歌搜索";

struct ContextLayout {
  int a, th;
  UiRect home, list, pageButtons, close, search;
  UiSize size;
};

// The items' rectangles for the current page (measured in the 9-point font).
ContextLayout Measure(HDC dc) {
  ContextLayout c = {};
  SIZE home = {};
  GetTextExtentPoint32A(dc, kHomeText, sizeof kHomeText - 1, &home);
  c.th = home.cy;
  // The home text starts at x = 12 and the close button at a - 5: leave room for both.
  c.a = home.cx + Scaled(kCloseButtonRoom);
  const int count = static_cast<int>(linkList.entries.size());
  for (int i = ui.contextFirstEntry; i < count && i < ui.contextFirstEntry + kEntriesPerPage; ++i) {
    const std::string& text = linkList.entries[i].text;
    const int length = text.empty() ? 0 : static_cast<int>(text.size()) - 1;
    c.a = std::max(c.a, TextWidth(dc, text.data(), length) + Scaled(10));
  }
  const int a = c.a;
  const int th = c.th;
  const auto s = Scaled;
  c.home = {s(2), s(4), a, th + s(10)};
  c.list = {s(2), th + s(12), a, th + s(156)};
  c.pageButtons = {a - s(24), th + s(158), a + s(8), th + s(174)};
  c.close = {a - s(5), s(4), a + s(7), s(20)};
  c.search = {s(10), th + s(162), a - s(26), th + s(174)};
  c.size = {a + s(14), th + s(178)};
  return c;
}

ContextLayout CurrentLayout(HWND window) {
  HDC dc = GetDC(window);
  HFONT font = CreateSongFont(9);
  HGDIOBJ old = SelectObject(dc, font);
  const ContextLayout c = Measure(dc);
  SelectObject(dc, old);
  DeleteObject(font);
  ReleaseDC(window, dc);
  return c;
}

void DrawLine(HDC dc, int x, int y, int width) {
  MoveToEx(dc, x, y, nullptr);
  LineTo(dc, x + width, y);
}

void PaintContext(HWND window) {
  LoadLinkList(globals.linkListPath);
  const int count = static_cast<int>(linkList.entries.size());
  if (ui.contextFirstEntry >= count) ui.contextFirstEntry = 0;
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  HFONT font = CreateSongFont(9);
  HGDIOBJ oldFont = SelectObject(dc, font);
  const ContextLayout c = Measure(dc);

  RECT client = {};
  GetClientRect(window, &client);
  if (client.right != c.size.width || client.bottom != c.size.height) {
    SetWindowPos(window, nullptr, 0, 0, c.size.width, c.size.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  FitRoundedRegion(window, c.size.width, c.size.height);
  RECT all = {0, 0, c.size.width, c.size.height};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawRoundedFrame(dc, c.size.width, c.size.height);

  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ui.contextHovered == kHoverHome ? RGB(255, 0, 0) : RGB(0, 0, 0));
  TextOutA(dc, Scaled(12), Scaled(4), kHomeText, sizeof kHomeText - 1);
  SetTextColor(dc, ui.contextHovered == kHoverSearch ? RGB(255, 0, 0) : RGB(0, 0, 0));
  TextOutA(dc, Scaled(10), c.th + Scaled(162), kSearchText, sizeof kSearchText - 1);
  HGDIOBJ oldPen = SelectObject(dc, GetStockObject(BLACK_PEN));
  DrawLine(dc, Scaled(2), c.th + Scaled(6), c.a + Scaled(8));
  DrawLine(dc, Scaled(2), c.th + Scaled(157), c.a + Scaled(8));
  SelectObject(dc, oldPen);
  for (int i = 0; i < kEntriesPerPage && ui.contextFirstEntry + i < count; ++i) {
    const int n = ui.contextFirstEntry + i;
    const std::string& text = linkList.entries[n].text;
    SetTextColor(dc, ui.contextHovered == n + 1 ? RGB(240, 15, 0) : RGB(0, 0, 0));
    TextOutA(dc, Scaled(12), c.th + Scaled(12 + kRowHeight * i), text.data(),
             static_cast<int>(text.size()));
  }
  SelectObject(dc, oldFont);
  DeleteObject(font);

  DrawButtonImage(dc, "contextclose", c.close.left, c.close.top, Scaled(20), Scaled(20));
  const int buttonsTop = c.pageButtons.top;
  const int button = Scaled(16);
  DrawButtonImage(dc, ui.contextFirstEntry > 0 ? "CandU" : "candudis", c.pageButtons.left,
                  buttonsTop, button, button);
  DrawButtonImage(dc, ui.contextFirstEntry + kEntriesPerPage < count ? "CandD" : "CandDdis",
                  c.pageButtons.left + button, buttonsTop, button, button);
  EndPaint(window, &ps);

  RECT status = {};
  if (ui.contextStatusWindow && GetWindowRect(ui.contextStatusWindow, &status)) {
    const UiPoint p = ContextWindowPosition(ToUiRect(status), c.size,
                                            WorkAreaAround(ToUiRect(status)));
    SetWindowPos(window, HWND_TOPMOST, p.x, p.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
  }
  // The hint of the button that opened the popup moves out from under it as it paints.
  if (ui.hintWindow && IsWindowVisible(ui.hintWindow)) InvalidateRect(ui.hintWindow, nullptr, TRUE);
}

// The hovered item: web search, home page, an existing list entry, or -1.
int HoverAt(const ContextLayout& c, UiPoint p) {
  if (c.search.Contains(p)) return kHoverSearch;
  if (c.home.Contains(p)) return kHoverHome;
  if (c.list.Contains(p)) {
    const int n = (p.y - c.list.top) / Scaled(kRowHeight) + ui.contextFirstEntry;
    if (n < static_cast<int>(linkList.entries.size())) return n + 1;
  }
  return -1;
}

void OpenEntry(int n) {
  if (n < 0 || n >= static_cast<int>(linkList.entries.size())) return;
  const ListEntry& entry = linkList.entries[n];
  const bool noLink = entry.link.empty() || entry.link == " ";
  OpenListEntry(entry.text.c_str(), entry.link.c_str(), noLink ? 0 : entry.link.size());
}

void ContextMouse(HWND window, UINT mouseMessage) {
  TrackMouseLeave(window);
  const ContextLayout c = CurrentLayout(window);
  POINT cursor = {};
  GetCursorPos(&cursor);
  ScreenToClient(window, &cursor);
  const UiPoint p = {cursor.x, cursor.y};
  const int hovered = HoverAt(c, p);
  if (hovered != ui.contextHovered) {
    ui.contextHovered = hovered;
    InvalidateRect(window, nullptr, TRUE);
  }
  const bool overItem = c.home.Contains(p) || c.search.Contains(p) || c.list.Contains(p) ||
                        c.pageButtons.Contains(p) || c.close.Contains(p);
  if (!overItem) {
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    ui.contextHovered = -1;
    return;
  }
  SetHandCursor();
  if (mouseMessage != WM_LBUTTONDOWN) return;
  if (c.pageButtons.Contains(p)) {
    const int count = static_cast<int>(linkList.entries.size());
    if (p.x - c.pageButtons.left > Scaled(16)) {
      if (ui.contextFirstEntry + kEntriesPerPage < count) ui.contextFirstEntry += kEntriesPerPage;
    } else if (ui.contextFirstEntry > kEntriesPerPage - 1) {
      ui.contextFirstEntry -= kEntriesPerPage;
    }
    InvalidateRect(window, nullptr, TRUE);
    return;
  }
  if (c.home.Contains(p)) {
    OpenListEntry(nullptr, kHomePageLink, std::strlen(kHomePageLink));
  } else if (c.search.Contains(p)) {
    OpenListEntry(nullptr, kSearchPageLink, std::strlen(kSearchPageLink));
  } else if (c.list.Contains(p)) {
    const int n = (p.y - c.list.top) / kRowHeight + ui.contextFirstEntry;
    if (n >= static_cast<int>(linkList.entries.size())) return;
    OpenEntry(n);
  }
  ShowWindow(window, SW_HIDE);
}

LRESULT ContextMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      PaintContext(window);
      return 0;
    case WM_SETCURSOR:
      ContextMouse(window, HIWORD(lParam));
      return TRUE;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_MOUSELEAVE:
      return 0;
    case WM_DESTROY:
      ShowWindow(window, SW_HIDE);
      if (ui.contextWindow == window) ui.contextWindow = nullptr;
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

LRESULT CALLBACK ContextWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return GuardedMessage(ContextMessage, window, message, wParam, lParam);
}

void ShowContextWindow(HWND statusWindow) {
  if (!ui.contextWindow) return;
  ui.contextStatusWindow = statusWindow;
  ShowWindow(ui.contextWindow, SW_SHOWNOACTIVATE);
  InvalidateRect(ui.contextWindow, nullptr, TRUE);
}
