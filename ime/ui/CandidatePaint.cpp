#include <windows.h>

#include <imm.h>

#include <cstring>
#include <string>

#include "ime/common/ImmDev.h"
#include "ime/dictionary/CandidateText.h"
#include "ime/engine/CandidateList.h"
#include "ime/engine/ContextLocks.h"
#include "ime/engine/EngineInstance.h"
#include "ime/settings/Globals.h"
#include "ime/settings/ListFiles.h"
#include "ime/ui/CandidateRows.h"
#include "ime/ui/CandidateSizeHold.h"
#include "ime/ui/CandidateWindow.h"
#include "ime/ui/MonitorArea.h"
#include "ime/ui/PaintCache.h"
#include "ime/ui/UiPaint.h"
#include "ime/ui/UiRecord.h"
#include "ime/ui/UiState.h"

namespace {

constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

struct PageRow {
  std::string text;
  char marker;
  int width;
};

struct Blocks {
  LPINPUTCONTEXT context;
  LPCOMPOSITIONSTRING composition;
  LPGUIDELINE guideline;
  void* candidates;
  PrivateRecord* record;
};

// The blocks the window draws from, locked with their context while the owner lives.
class LockedBlocks {
public:
  explicit LockedBlocks(HWND window)
      : context_(CandidateContext(window)),
        composition_(context_ ? context_->hCompStr : nullptr),
        guideline_(context_ ? context_->hGuideLine : nullptr),
        candidates_(context_.get()),
        record_(context_.get()),
        blocks_{context_.get(), composition_.get(), guideline_.get(), candidates_.get(),
                record_.get()} {}
  LockedBlocks(const LockedBlocks&) = delete;
  LockedBlocks& operator=(const LockedBlocks&) = delete;

  // All the blocks, or nullptr when one is missing.
  const Blocks* get() const {
    return composition_ && guideline_ && candidates_ && record_ ? &blocks_ : nullptr;
  }

private:
  ContextLock context_;
  BlockLock<COMPOSITIONSTRING> composition_;
  BlockLock<GUIDELINE> guideline_;
  CandidateBlockLock candidates_;
  PrivateRecordLock record_;
  Blocks blocks_;
};

// A byte range of a block, or an empty view when it does not lie inside the block.
std::string_view BlockText(HIMCC block, const void* base, DWORD offset, DWORD length) {
  const DWORD size = ImmGetIMCCSize(block);
  if (length == 0 || offset > size || length > size - offset) return {};
  return {static_cast<const char*>(base) + offset, length};
}

std::string_view RecordText(const CandidateList* list, unsigned index) {
  return CandidateRecordText(globals.candidatePool, list, index);
}

// At most 63 bytes of a text, never half a character.
std::string SearchTextOf(std::string_view display) {
  return std::string(display.substr(0, CharacterPrefixLength(display, kSearchTextSize - 1)));
}

// The search text the window shows: the single candidate's that the lookup chose, or else
// the first row drawn.
std::string ShownSearchText(const InputFacts& facts, std::string_view firstRow) {
  if (!facts.searchTextFollowsList) {
    const std::string_view chosen(facts.searchText, strnlen(facts.searchText, kSearchTextSize - 1));
    return std::string(chosen.substr(0, RecordDisplayLength(chosen)));
  }
  return SearchTextOf(firstRow.substr(0, RecordDisplayLength(firstRow)));
}

// The rows of the current page and, horizontally, their slots. Backward fill (page-up in
// the horizontal layout) keeps as many entries from the page's end as fit and shows them in
// list order, so that the first shown row is the entry at dwSelection.
int BuildRows(HDC dc, int workWidth, CandidateList* list, const InputFacts& facts,
              PageRow (&rows)[kCandidateSlotCount], int* rowsWidth, HorizontalRows* slots) {
  const CandidateLayout& layout = ui.candidate;
  const unsigned count = list->dwCount < kMaxCandidates ? list->dwCount : kMaxCandidates;
  const unsigned pageSize = list->dwPageSize < kCandidateSlotCount ? list->dwPageSize
                                                                    : kCandidateSlotCount;
  const unsigned first = list->dwSelection < count ? list->dwSelection : count;
  const unsigned end = first + pageSize < count ? first + pageSize : count;
  unsigned start = first;
  std::uint32_t selection = list->dwSelection;
  int n = static_cast<int>(end - first);

  if (!layout.vertical && list->backwardFill && n > 0) {
    int widths[kCandidateSlotCount] = {};
    for (int k = 0; k < n; ++k) {
      const std::string row = CandidateRowText(k, RecordText(list, end - 1 - k));
      widths[k] = TextWidth(dc, row.data(), static_cast<int>(row.size()));
    }
    n = PlaceHorizontalRows(layout, widths, n, workWidth).placed;
    start = end - n;
    if (n > 0) selection = start;
  }

  int widths[kCandidateSlotCount] = {};
  for (int k = 0; k < n; ++k) {
    const std::string_view record = RecordText(list, start + k);
    rows[k].text = CandidateRowText(k, record);
    const char* raw = CandidateRecordAt(globals.candidatePool, list, start + k);
    rows[k].marker = raw ? raw[0] : '0';
    rows[k].width = TextWidth(dc, rows[k].text.data(), static_cast<int>(rows[k].text.size()));
    widths[k] = rows[k].width;
  }
  if (layout.vertical) {
    *rowsWidth = VerticalRowsWidth(layout, widths, n);
  } else {
    *slots = PlaceHorizontalRows(layout, widths, n, workWidth);
    n = slots->placed;
    *rowsWidth = slots->windowWidth;
  }
  ui.searchText = ShownSearchText(facts, n > 0 ? RecordText(list, start) : std::string_view());
  PageDrawn(list, selection, static_cast<std::uint32_t>(n));
  return n;
}

// A window (now at r) that the new size takes past the work area is placed again for that
// size; the new place and size are given together, in one change of the window.
void ResizeIfNeeded(HWND window, const RECT& r, const WindowSize& wanted) {
  const int width = wanted.size.width;
  const int height = wanted.size.height;
  const bool differs = r.right - r.left != width || r.bottom - r.top != height;
  ui.candidateSize = wanted.size;
  FitRoundedRegion(window, width, height);
  if (!differs && !wanted.forceResize) return;
  const UiRect work = WorkAreaOfWindow(window);
  const bool outside = r.left + width > work.right || r.top + height > work.bottom - 10;
  const std::optional<UiPoint> placed = outside ? CandidatePlacement(window) : std::nullopt;
  const UiPoint p = placed ? *placed : UiPoint{r.left, r.top};
  if (!differs && p.x == r.left && p.y == r.top) return;
  // The page is painted whole next, over its own background: a window that only grows
  // need not be erased and redrawn for the change first, which costs as much again. One
  // that uncovers something lets the system redraw what it uncovers.
  const bool grows = p.x <= r.left && p.y <= r.top && p.x + width >= r.right &&
                     p.y + height >= r.bottom;
  const UINT redraw = grows ? SWP_NOREDRAW | SWP_NOCOPYBITS : 0;
  SetWindowPos(window, nullptr, p.x, p.y, width, height, SWP_NOZORDER | SWP_NOACTIVATE | redraw);
  if (grows) InvalidateRect(window, nullptr, FALSE);
}

void DrawQueryAndSearchText(HDC dc) {
  const CandidateLayout& l = ui.candidate;
  HFONT plain = SharedSongFont(9);
  HFONT underlined = SharedSongFont(9, true);
  // Restored as a whole: with a font that could not be made, SelectObject has no old font
  // to give back.
  const int saved = SaveDC(dc);
  SelectObject(dc, plain);
  const bool queryHovered = !queryList.rotationActive;
  if (!queryList.entries.empty() && l.queryListShown &&
      queryList.currentIndex < queryList.entries.size()) {
    const std::string& text = queryList.entries[queryList.currentIndex].text;
    SelectObject(dc, queryHovered ? underlined : plain);
    SetTextColor(dc, queryHovered ? kBlue : kBlack);
    TextOutA(dc, l.queryText.left, l.queryText.top + Px(l, 4), text.data(),
             static_cast<int>(text.size()));
  }
  if (!ui.searchText.empty()) {
    SelectObject(dc, ui.searchTextHovered ? underlined : plain);
    SetTextColor(dc, ui.searchTextHovered ? kBlue : kBlack);
    TextOutA(dc, l.searchText.left, l.searchText.top + Px(l, 4), ui.searchText.data(),
             static_cast<int>(ui.searchText.size()));
  }
  RestoreDC(dc, saved);
}

void DrawButtons(HDC dc, const CandidateList* list) {
  const CandidateLayout& l = ui.candidate;
  const int image = Px(l, 20);
  DrawButtonImage(dc, "search", l.searchModeButton.left, l.searchModeButton.top, image, image);
  const bool canPageUp = list->dwSelection > 0;
  const bool canPageDown = list->dwSelection + list->dwPageSize < list->dwCount;
  DrawButtonImage(dc, canPageUp ? "CandU" : "candudis", l.pageUp.left, l.pageUp.top,
                  l.pageUp.Width(), image);
  DrawButtonImage(dc, canPageDown ? "CandD" : "CandDdis", l.pageDown.left, l.pageDown.top,
                  l.pageDown.Width(), image);
  if (l.queryListShown) {
    DrawButtonImage(dc, queryList.playing ? "adlistoff" : "adliston", l.playButton.left,
                    l.playButton.top, image, image);
  }
  DrawButtonImage(dc, l.queryListShown ? "adlisthide" : "adlistshow", l.queryListButton.left,
                  l.queryListButton.top, image, image);
}

// The page laid out: its rows, their slots (horizontal layout) and the window's size.
struct LaidOutPage {
  PageRow rows[kCandidateSlotCount];
  int rowCount = 0;
  HorizontalRows slots = {};
  WindowSize size = {};
};

// Measures the page's rows on dc and gives the window the size they need.
void LayOutPage(HWND window, HDC dc, const Blocks& b, LaidOutPage* page) {
  CandidateLayout& l = ui.candidate;
  HGDIOBJ oldFont = SelectObject(dc, SharedSongFont(12));

  CandidateList* list = CandidateListOf(b.candidates);
  int rowsWidth = l.baseWidth;
  page->rowCount = BuildRows(dc, WorkAreaOfWindow(window).Width(), list, b.record->facts,
                             page->rows, &rowsWidth, &page->slots);
  for (int k = 0; k < kCandidateSlotCount; ++k) ui.horizontalSlots[k] = page->slots.slots[k];

  if (!ui.searchText.empty()) {
    SelectObject(dc, SharedSongFont(9));
    l.searchText.right = l.searchText.left +
                         TextWidth(dc, ui.searchText.data(), static_cast<int>(ui.searchText.size())) +
                         2;
  }
  SelectObject(dc, oldFont);
  const bool followCaret = globals.followCaret != 0;
  page->size = FinishCandidateSize(l, rowsWidth, list->dwCount, followCaret);
  RECT r = {};
  GetWindowRect(window, &r);
  const UiSize current = {r.right - r.left, r.bottom - r.top};
  const UiSize held =
      HeldCandidateSize(window, page->size.size, current, list->dwCount > 0, ui.resizeForced);
  if (held.width > 0) {
    page->size = FinishCandidateSize(l, rowsWidth, list->dwCount, followCaret, held);
  }
  page->size.forceResize = page->size.forceResize || ui.resizeForced;
  ui.resizeForced = false;
  ResizeIfNeeded(window, r, page->size);
}

// The same on a DC of the window itself; false when none could be had.
bool LayOutOnWindow(HWND window, const Blocks& b, LaidOutPage* page) {
  HDC measuring = GetDC(window);
  if (!measuring) return false;
  LayOutPage(window, measuring, b, page);
  ReleaseDC(window, measuring);
  return true;
}

void DrawPage(HDC dc, const Blocks& b, const LaidOutPage& page) {
  CandidateLayout& l = ui.candidate;
  const int width = page.size.size.width;
  const int height = page.size.size.height;
  HGDIOBJ oldFont = SelectObject(dc, SharedSongFont(12));

  CopyStretchedImage(dc, "candback", 0, 0, width, height);
  CopyStretchedImage(dc, "compback", 0, 0, width, l.compLineHeight);
  DrawRoundedFrame(dc, width, height);
  SetBkMode(dc, TRANSPARENT);

  const std::string_view guide =
      b.guideline->dwLevel != 0
          ? BlockText(b.context->hGuideLine, b.guideline, b.guideline->dwStrOffset,
                      b.guideline->dwStrLen)
          : std::string_view();
  SetTextColor(dc, kBlack);
  if (!guide.empty()) {
    TextOutA(dc, l.compText.left, l.compText.top, guide.data(), static_cast<int>(guide.size()));
  }
  const std::string_view code = BlockText(b.context->hCompStr, b.composition,
                                          b.composition->dwCompStrOffset,
                                          b.composition->dwCompStrLen);
  if (!code.empty()) {
    RECT r = ToRect(l.compText);
    DrawTextA(dc, code.data(), static_cast<int>(code.size()), &r, DT_SINGLELINE | DT_VCENTER);
  }

  const bool codeComplete = b.composition->dwCursorPos == engine.maxCodeLength;
  for (int k = 0; k < page.rowCount; ++k) {
    const PageRow& row = page.rows[k];
    const bool blue = (k == 0 && codeComplete) || row.marker == '1' ||
                      b.record->facts.associationPrefix[0] != '\0';
    SetTextColor(dc, blue ? kBlue : kBlack);
    int x = l.candidateArea.left;
    int y = l.candidateArea.top + k * l.charHeight;
    if (!l.vertical) {
      if (page.slots.slots[k].Width() == 0) break;
      x = page.slots.slots[k].left;
      y = l.candidateArea.top;
    }
    TextOutA(dc, x, y, row.text.data(), static_cast<int>(row.text.size()));
  }
  SelectObject(dc, oldFont);

  DrawQueryAndSearchText(dc);
  if (!l.vertical) MoveButtonsToRightEdge(l, width);
  DrawButtons(dc, CandidateListOf(b.candidates));
}

}  // namespace

void PaintCandidateWindow(HWND window, HDC dc) {
  const LockedBlocks locked(window);
  if (const Blocks* b = locked.get()) {
    LaidOutPage page;
    LayOutPage(window, dc, *b, &page);
    DrawPage(dc, *b, page);
  }
}

void SizeCandidateWindow(HWND window) {
  const LockedBlocks locked(window);
  LaidOutPage page;
  if (const Blocks* b = locked.get()) LayOutOnWindow(window, *b, &page);
}

void PaintCandidateWindowUpdate(HWND window) {
  const LockedBlocks locked(window);
  const Blocks* b = locked.get();
  LaidOutPage page;
  // Sized before the paint begins, so that this one paint covers the new size: resized
  // within it, the window would show only the part it had and paint again.
  const bool laidOut = b && LayOutOnWindow(window, *b, &page);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  if (laidOut) DrawPage(dc, *b, page);
  EndPaint(window, &ps);
}
