#include <windows.h>

#include <imm.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "ime/common/ImmDev.h"
#include "ime/engine/CandidateList.h"
#include "ime/engine/ContextLocks.h"
#include "ime/engine/EngineCalls.h"
#include "ime/engine/EngineInstance.h"
#include "ime/engine/ImeConstants.h"
#include "ime/settings/Globals.h"
#include "ime/settings/ListFiles.h"
#include "ime/settings/WebSearch.h"
#include "ime/ui/CandidateRows.h"
#include "ime/ui/CandidateWindow.h"
#include "ime/ui/HintWindow.h"
#include "ime/ui/MonitorArea.h"
#include "ime/ui/UiPaint.h"
#include "ime/ui/UiRecord.h"
#include "ime/ui/UiState.h"
#include "ime/ui/WindowDrag.h"

namespace {

enum class Element {
  kNone, kQueryListButton, kPlayButton, kSearchModeButton, kQueryText, kSearchText,
  kCandidates, kPageUp, kPageDown
};

Element ElementAt(UiPoint p) {
  const CandidateLayout& l = ui.candidate;
  if (l.queryListButton.Contains(p)) return Element::kQueryListButton;
  if (l.playButton.Contains(p)) return Element::kPlayButton;
  if (l.searchModeButton.Contains(p)) return Element::kSearchModeButton;
  if (l.queryText.Contains(p)) return Element::kQueryText;
  if (l.searchText.Contains(p)) return Element::kSearchText;
  if (l.candidateArea.Contains(p)) return Element::kCandidates;
  if (l.pageUp.Contains(p)) return Element::kPageUp;
  if (l.pageDown.Contains(p)) return Element::kPageDown;
  return Element::kNone;
}

void Repaint(HWND window, const UiRect& area) {
  const RECT r = ToRect(area);
  InvalidateRect(window, &r, TRUE);
}

// The candidate list of a context, locked with its context while the owner lives; list()
// is nullptr when either is missing.
class ListLock {
public:
  explicit ListLock(HIMC himc)
      : context_(himc), block_(context_.get()) {}
  CandidateList* list() const { return block_ ? CandidateListOf(block_.get()) : nullptr; }

private:
  ContextLock context_;
  CandidateBlockLock block_;
};

// The row under a client point: its index into the list and its row number, or -1.
int CandidateIndexAt(const CandidateList* list, UiPoint p, int* row) {
  const CandidateLayout& l = ui.candidate;
  unsigned index = 0;
  if (l.vertical) {
    // The rows drawn start at the selection, which an application may set anywhere.
    if (l.charHeight <= 0 || p.y < l.candidateArea.top) return -1;
    *row = (p.y - l.candidateArea.top) / l.charHeight;
    if (*row >= static_cast<int>(list->rowsDrawn)) return -1;
    index = list->dwSelection + *row;
  } else {
    *row = -1;
    for (int i = 0; i < static_cast<int>(list->rowsDrawn) && i < kCandidateSlotCount; ++i) {
      if (ui.horizontalSlots[i].Contains(p)) *row = i;
    }
    if (*row < 0) return -1;
    index = list->dwSelection + *row;
  }
  return index < list->dwCount ? static_cast<int>(index) : -1;
}

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::string CandidateTextAt(const CandidateList* list, int index) {
  return RowDisplayText(
      CandidateRecordText(globals.candidatePool, list, static_cast<unsigned>(index)));
}

// What a search puts before the text: the custom search string in custom search mode.
std::string SearchPrefix() { return engine.searchMode ? engine.customSearch : std::string(); }

std::string SearchSubject(const std::string& text) { return SearchPrefix() + text; }

const char* ModeName() { return engine.searchMode ? "自定义" : "默认"; }

void UpdateTooltip(HWND window, Element element, UiPoint p) {
  const CandidateLayout& l = ui.candidate;
  RECT w = {};
  GetWindowRect(window, &w);
  std::string line1;
  std::string line2;
  HintPlacement placement = HintPlacement::kNearCursor;
  int anchor = 0;
  int id = 14;
  switch (element) {
    case Element::kSearchText:
      line1 = std::string("搜索模式：") + ModeName();
      line2 = "点击搜索 " + Quoted(SearchSubject(ui.searchText));
      placement = HintPlacement::kAboveOwner;
      anchor = w.left + l.searchText.left;
      id = 0;
      break;
    case Element::kCandidates: {
      int row = -1;
      int index = -1;
      std::string text;
      {
        const ListLock locked(CandidateContext(window));
        CandidateList* list = locked.list();
        index = list ? CandidateIndexAt(list, p, &row) : -1;
        if (index >= 0) text = CandidateTextAt(list, index);
      }
      if (index < 0) return ClearTooltip(&ui.candidateTooltipId);
      line1 = "左击上字 " + Quoted(text);
      line2 = "右击搜索 " + Quoted(SearchSubject(text));
      id = row + 1;
      if (l.vertical) {
        anchor = l.candidateArea.top + row * l.charHeight;
      } else {
        placement = HintPlacement::kBelowOwner;
        anchor = w.left + ui.horizontalSlots[row].left;
      }
      break;
    }
    case Element::kPageUp:
      line1 = "向上";
      anchor = l.pageUp.top;
      id = 11;
      break;
    case Element::kPageDown:
      line1 = "向下";
      anchor = l.pageDown.top;
      id = 12;
      break;
    case Element::kQueryText:
      line1 = "默认查询列表：";
      if (queryList.currentIndex < queryList.entries.size()) {
        line2 = "搜索：" + queryList.entries[queryList.currentIndex].text;
      }
      anchor = l.queryText.top;
      id = 13;
      break;
    case Element::kSearchModeButton:
      line1 = std::string("搜索模式：") + ModeName();
      placement = HintPlacement::kAboveOwner;
      anchor = w.left + l.searchModeButton.left;
      break;
    case Element::kPlayButton:
      line1 = queryList.playing ? "停止播放" : "开始播放";
      anchor = l.playButton.top;
      break;
    case Element::kQueryListButton:
      line1 = l.queryListShown ? "关闭查询列表" : "打开查询列表";
      anchor = l.queryListButton.top;
      break;
    case Element::kNone:
      return ClearTooltip(&ui.candidateTooltipId);
  }
  ShowTooltip(&ui.candidateTooltipId, id, id == 14, window, line1.c_str(), line2.c_str(),
              placement, anchor);
}

// Hover: the search text pauses the auto-hide, the query text the rotation; each repaints
// only on entry and exit.
void UpdateHover(HWND window, Element element) {
  const DWORD now = GetTickCount();
  if (element == Element::kSearchText) {
    ui.searchTextHovered = true;
    if (ui.searchHoverCount == 0) Repaint(window, ui.candidate.searchText);
    ui.searchHoverCount = 1;
  } else {
    ui.searchTextHovered = false;
    RestartAutoHide(now);
    if (ui.searchHoverCount != 0) Repaint(window, ui.candidate.searchText);
    ui.searchHoverCount = 0;
  }
  if (element == Element::kQueryText) {
    queryList.rotationActive = false;
    if (ui.queryHoverCount == 0) Repaint(window, ui.candidate.queryText);
    ui.queryHoverCount = 1;
  } else {
    queryList.rotationActive = true;
    queryList.lastRotation = now;
    if (ui.queryHoverCount != 0) Repaint(window, ui.candidate.queryText);
    ui.queryHoverCount = 0;
  }
}

void Page(HWND window, bool up) {
  PageCandidates(CandidateContext(window), up);
  Repaint(window, up ? ui.candidate.pageUp : ui.candidate.pageDown);
  UpdateWindow(window);
}

void ChooseCandidate(HWND window, UiPoint p, bool commit) {
  HIMC himc = CandidateContext(window);
  int index = -1;
  {
    const ListLock locked(himc);
    CandidateList* list = locked.list();
    int row = -1;
    index = list ? CandidateIndexAt(list, p, &row) : -1;
    if (index >= 0 && !commit) {
      const std::string_view text =
          CandidateRecordText(globals.candidatePool, list, static_cast<unsigned>(index));
      if (!text.empty()) SearchWeb(SearchPrefix(), std::string(text));
    }
  }
  if (index < 0) {
    MessageBeep(kBeep);
  } else if (commit) {
    ChooseCandidate(himc, static_cast<unsigned>(index));
  }
}

void LeftClick(HWND window, Element element, UiPoint p) {
  CandidateLayout& l = ui.candidate;
  switch (element) {
    case Element::kQueryListButton:
      SetHandCursor();
      SetQueryListShown(l, !l.queryListShown);
      ui.resizeForced = true;
      InvalidateRect(window, nullptr, TRUE);
      break;
    case Element::kPlayButton:
      // One flag for the process: every candidate window's timer reads it.
      queryList.playing = !queryList.playing;
      Repaint(window, l.playButton);
      UpdateTooltip(window, element, p);
      break;
    case Element::kSearchModeButton:
      SetHandCursor();
      ToggleSearchMode();
      Repaint(window, l.searchText);
      UpdateTooltip(window, element, p);
      break;
    case Element::kQueryText:
      SetHandCursor();
      if (queryList.currentIndex < queryList.entries.size()) {
        const ListEntry& entry = queryList.entries[queryList.currentIndex];
        OpenListEntry(entry.text.c_str(), entry.link.data(), entry.link.size());
      }
      break;
    case Element::kSearchText:
      SetHandCursor();
      SearchWeb(SearchPrefix(), ui.searchText);
      break;
    case Element::kCandidates:
      SetHandCursor();
      ChooseCandidate(window, p, true);
      break;
    case Element::kPageUp:
    case Element::kPageDown:
      Page(window, element == Element::kPageUp);
      break;
    case Element::kNone:
      BeginWindowDrag(window);
      break;
  }
}

}  // namespace

HIMC CandidateContext(HWND window) { return ContextOfUi(OwnerUi(window)); }

void CandidateMouse(HWND window, UINT mouseMessage) {
  if (IsDragging(window)) return;
  ReadWorkArea();
  POINT cursor = {};
  GetCursorPos(&cursor);
  ScreenToClient(window, &cursor);
  const UiPoint p = {cursor.x, cursor.y};
  TrackMouseLeave(window);
  const Element element = ElementAt(p);
  UpdateTooltip(window, element, p);
  if (mouseMessage == WM_LBUTTONDOWN) {
    LeftClick(window, element, p);
  } else if (mouseMessage == WM_RBUTTONDOWN && element == Element::kCandidates) {
    SetHandCursor();
    ChooseCandidate(window, p, false);
  } else if (mouseMessage != WM_LBUTTONUP) {
    if (element == Element::kNone) {
      SetCursor(LoadCursorA(nullptr, IDC_SIZEALL));
    } else {
      SetHandCursor();
    }
    UpdateHover(window, element);
  }
}

void CandidateMouseLeave(HWND window) {
  ui.candidateTooltipId = -1;
  const bool searchWasHovered = ui.searchHoverCount != 0;
  const bool queryWasHovered = ui.queryHoverCount != 0;
  ui.searchTextHovered = false;
  queryList.rotationActive = true;
  const DWORD now = GetTickCount();
  RestartAutoHide(now);
  queryList.lastRotation = now;
  if (searchWasHovered) Repaint(window, ui.candidate.searchText);
  if (queryWasHovered) Repaint(window, ui.candidate.queryText);
  ui.searchHoverCount = 0;
  ui.queryHoverCount = 0;
  HideHint();
}

// The drop pins the window: the composition form becomes a forced position there.
void CandidateDragEnd(HWND window) {
  const UiPoint dropped = EndWindowDrag(window);
  const UiSize base = {ui.candidate.baseWidth, ui.candidate.baseHeight};
  const UiRect work = WorkAreaAround(RectAt(dropped, base));
  int x = dropped.x;
  int y = dropped.y;
  x = x < work.left ? work.left : std::min(x, work.right - base.width);
  y = y < work.top ? work.top : std::min(y, work.bottom - base.height);
  {
    const ContextLock context(CandidateContext(window));
    if (!context) return;
    POINT pinned = {x + 2 * globals.borderWidth, y + 2 * globals.borderHeight};
    if (context->hWnd) ScreenToClient(context->hWnd, &pinned);
    context->cfCompForm.dwStyle = CFS_FORCE_POSITION;
    context->cfCompForm.ptCurrentPos = pinned;
  }
  PostMessageA(window, WM_IME_NOTIFY, IMN_SETCOMPOSITIONWINDOW, 0);
}
