// The end-to-end fixture with the mouse on the module's candidate window: the window is
// found by the class name in the module's string table, and the places to click come from
// the module's own layout functions fed with the metrics the module measures at start-up
// (border sizes and the cell of the sample character in the 12-point font).
#pragma once

#include <string>
#include <vector>

#include "ime/resources/resource.h"
#include "ime/ui/CandidateRows.h"
#include "ime/ui/WindowLayout.h"
#include "tests/wine/support/MouseInput.h"
#include "tests/wine/support/SongText.h"
#include "tests/wine/support/TypingFixture.h"

class CandidateWindowTest : public TypingTest {
protected:
  // The "竖向排列" setting is read afresh when the context is activated, which Wine does
  // when it selects the module into the context at the first key.
  void UseLayout(bool vertical) {
    SetDword(kSettingsKeyPath, "竖向排列", vertical ? 1 : 0);
    vertical_ = vertical;
  }

  HMODULE Module() { return GetModuleHandleA("lumatori.ime"); }

  std::string ModuleString(UINT id) {
    char text[128] = {};
    const int length = LoadStringA(Module(), id, text, sizeof text);
    return std::string(text, length > 0 ? length : 0);
  }

  // The module's candidate and composition window while it is shown, else nullptr.
  HWND CandidateWindow() {
    const std::string name = ModuleString(IDS_CLASS_CANDCOMP);
    HWND window = name.empty() ? nullptr : FindWindowA(name.c_str(), nullptr);
    return window && IsWindowVisible(window) ? window : nullptr;
  }

  // The layout the module computed for the orientation in use, at the screen's DPI.
  CandidateLayout Layout() {
    const SIZE cell = SongTextExtent(ModuleString(IDS_SAMPLE_CHAR), 12);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return ComputeCandidateLayout(vertical_, GetSystemMetrics(SM_CXBORDER),
                                  GetSystemMetrics(SM_CYBORDER), cell.cx, cell.cy, dpi);
  }

  // The middle of row `row` of the page, whose first rows show the given texts, in client
  // coordinates. Vertical rows are one character cell high below each other; horizontal
  // rows are placed left to right by their measured widths.
  UiPoint RowPoint(const std::vector<std::string>& texts, int row) {
    const CandidateLayout l = Layout();
    if (vertical_) {
      return {l.candidateArea.left + 4,
              l.candidateArea.top + row * l.charHeight + l.charHeight / 2};
    }
    std::vector<int> widths;
    for (std::size_t k = 0; k < texts.size(); ++k) {
      widths.push_back(SongTextExtent(CandidateRowText(static_cast<int>(k), texts[k]), 12).cx);
    }
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const HorizontalRows rows =
        PlaceHorizontalRows(l, widths.data(), static_cast<int>(widths.size()), work.right);
    const UiRect& slot = rows.slots[row];
    return {(slot.left + slot.right) / 2, (slot.top + slot.bottom) / 2};
  }

  // Clicks a client point of the candidate window; false when the window is not shown.
  bool ClickCandidateWindow(UiPoint client, bool right = false) {
    HWND window = CandidateWindow();
    if (!window) return false;
    POINT screen = {client.x, client.y};
    ClientToScreen(window, &screen);
    ClickAt(screen, right);
    return true;
  }

  bool vertical_ = true;
};
