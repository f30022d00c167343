// Soft keyboard layouts chosen from the status bar's soft-key menu, through the real input
// method manager: a right click on the bar's keyboard button, the menu worked by keys as
// a user does, and the layout's characters typed into an EDIT control.
#include <thread>

#include "ime/ui/StatusClicks.h"
#include "ime/ui/WindowLayout.h"
#include "tests/wine/support/MouseInput.h"
#include "tests/wine/support/TypingFixture.h"

namespace {

struct MenuSeen {
  bool shown = false;
  int checkedItem = -1;  // the checked layout item, -1 when none
};

// Waits up to timeoutMs for a popup menu to show, notes its checked layout item, then
// sends the keys that work it.
void WorkMenuWhenItShows(std::vector<WORD> keys, DWORD timeoutMs, MenuSeen* seen) {
  const DWORD until = GetTickCount() + timeoutMs;
  while (static_cast<LONG>(until - GetTickCount()) > 0) {
    HWND menu = FindWindowA("#32768", nullptr);
    if (menu && IsWindowVisible(menu)) {
      seen->shown = true;
      HMENU items = reinterpret_cast<HMENU>(SendMessageA(menu, MN_GETHMENU, 0, 0));
      for (int item = 1280; item <= 1292; ++item) {
        if (GetMenuState(items, item, MF_BYCOMMAND) & MF_CHECKED) seen->checkedItem = item;
      }
      Sleep(100);
      for (WORD key : keys) {
        SendKey(key, false);
        SendKey(key, true);
        Sleep(50);
      }
      return;
    }
    Sleep(20);
  }
}

class SoftKeyMenuTest : public TypingTest {
protected:
  // The status bar opens when the module is selected into the context, at the first key.
  HWND StatusBar() {
    Press(VK_SHIFT);
    Pump(300);
    return FindWindowA("ImeStatuswinime_Mz", nullptr);
  }

  // Right-clicks the keyboard button and moves down the menu's first column by steps
  // items before choosing.
  MenuSeen ChooseFromSoftKeyMenu(HWND status, int steps) {
    RECT bar = {};
    GetWindowRect(status, &bar);
    // The buttons' columns depend on the border alone; the middle of the bar's height is
    // inside every button.
    const UiRect b =
        ComputeStatusMetrics(GetSystemMetrics(SM_CXBORDER), 0).buttons[kSoftKeyboardButton];
    const POINT button = {bar.left + (b.left + b.right) / 2, (bar.top + bar.bottom) / 2};
    std::vector<WORD> keys(static_cast<std::size_t>(steps) + 1, VK_DOWN);
    keys.push_back(VK_RETURN);
    MenuSeen seen;
    std::thread worker(WorkMenuWhenItShows, keys, 5000, &seen);
    ClickAt(button, true);
    Pump(1200);
    worker.join();
    Pump(300);
    return seen;
  }
};

TEST_F(SoftKeyMenuTest, GreekLayoutTypesItsLettersAndThePcKeyboardReturnsToCodes) {
  HWND status = StatusBar();
  ASSERT_NE(status, nullptr);
  const MenuSeen first = ChooseFromSoftKeyMenu(status, 1);  // 希腊字母
  ASSERT_TRUE(first.shown);
  EXPECT_EQ(first.checkedItem, -1);  // the PC keyboard's flag starts off
  Press('A');
  Press('A', true);
  Press('Q');
  Press('1');  // no character on this layout: a beep, nothing typed
  EXPECT_EQ(Text(), L"\u03BA\u039A\u03B1");  // κ Κ α

  const MenuSeen second = ChooseFromSoftKeyMenu(status, 0);  // ＰＣ键盘: codes again
  ASSERT_TRUE(second.shown);
  EXPECT_EQ(second.checkedItem, 1281);
  TypeLetters("a");
  Press(VK_SPACE);
  EXPECT_EQ(Text(), L"\u03BA\u039A\u03B1\u4E2D");
}

}  // namespace
