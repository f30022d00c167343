// The settings dialog through the real input method manager: ImmConfigureIMEA on the
// registered layout opens "输入法设置" in the middle of the work area, the user's clicks
// choose the values, OK stores them and they take effect at once; Cancel, closing the
// dialog, the other configuration modes and a switch to another input method change
// nothing.
#include <atomic>
#include <functional>
#include <map>
#include <thread>

#include "ime/resources/resource.h"
#include "tests/wine/support/CandidateWindowFixture.h"
#include "tests/wine/support/DialogDriver.h"
#include "tests/wine/support/Screenshot.h"

namespace {

const char kCaption[] = "输入法设置";
using Settings = std::map<std::string, DWORD>;

const char* const kSettingNames[] = {"竖向排列", "光标跟随", "‘键替2选码",
                                     "。键替3选码", "默认检索", "词语联想"};

class SettingsDialogTest : public CandidateWindowTest {
protected:
  Settings Stored() {
    Settings values;
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_READ, &key) != ERROR_SUCCESS)
      return values;
    for (const char* name : kSettingNames) {
      DWORD value = 0, size = sizeof value;
      if (RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size) ==
          ERROR_SUCCESS)
        values[name] = value;
    }
    RegCloseKey(key);
    return values;
  }

  // ImmConfigureIMEA in the given mode while `user` works the dialog from a second thread.
  // A dialog the user left open is closed, so that the call returns.
  BOOL Configure(DWORD mode, void* data, std::function<void(HWND)> user) {
    std::atomic<bool> stop{false};
    std::thread worker([&] {
      HWND dialog = WaitForWindow("#32770", kCaption, 3000);
      if (dialog) {
        user(dialog);
        if (!WaitUntilGone(dialog, 3000)) PostMessageA(dialog, WM_CLOSE, 0, 0);
      }
      stop = true;
    });
    const BOOL answer = ImmConfigureIMEA(layout_, window_, mode, data);
    while (!stop) Pump(20);
    worker.join();
    return answer;
  }

  // The candidate window of the code "a", which is then given up.
  RECT CandidatesOfA() {
    TypeLetters("a");
    HWND window = CandidateWindow();
    RECT r = {};
    if (window) GetWindowRect(window, &r);
    Press(VK_ESCAPE);
    Press(VK_ESCAPE);
    return r;
  }

  static int Height(const RECT& r) { return r.bottom - r.top; }
};

TEST_F(SettingsDialogTest, OkStoresTheClickedValuesAndTheNextCompositionIsHorizontal) {
  const RECT vertical = CandidatesOfA();
  ASSERT_GT(Height(vertical), 0);
  EXPECT_EQ(Stored(), (Settings{{"竖向排列", 1}, {"光标跟随", 1}, {"‘键替2选码", 1},
                                {"。键替3选码", 1}, {"默认检索", 1}, {"词语联想", 0}}));

  RECT work = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  std::map<int, bool> checked;
  POINT centred = {}, placed = {};
  COLORREF frameTop = CLR_INVALID, frameBottom = CLR_INVALID;
  const BOOL answer = Configure(IME_CONFIG_GENERAL, nullptr, [&](HWND dialog) {
    for (int id : {IDC_VERTICAL, IDC_HORIZONTAL, IDC_GB2312, IDC_GBK, IDC_QUOTE_SELECTS_SECOND,
                   IDC_PERIOD_SELECTS_THIRD, IDC_WORD_ASSOCIATION, IDC_FOLLOW_CARET})
      checked[id] = IsDlgButtonChecked(dialog, id) == BST_CHECKED;
    // The etched frame, where the dialog stands when it is in the middle of the work area.
    centred = CentredIn(work, dialog);
    RECT r = {};
    GetWindowRect(dialog, &r);
    placed = {r.left, r.top};
    RECT client = {};
    GetClientRect(dialog, &client);
    const Screenshot shot = CaptureScreen(AroundWindow(dialog, 8));
    KeepScreenshot(shot, "settings-dialog");
    const POINT top = ClientPointAt(dialog, centred, client.right / 2, 7);
    const POINT bottom = ClientPointAt(dialog, centred, client.right / 2, client.bottom - 41);
    frameTop = shot.At(top.x, top.y);
    frameBottom = shot.At(bottom.x, bottom.y);

    for (int id : {IDC_HORIZONTAL, IDC_GBK, IDC_QUOTE_SELECTS_SECOND, IDC_WORD_ASSOCIATION,
                   IDC_FOLLOW_CARET, IDC_PERIOD_SELECTS_THIRD, IDC_PERIOD_SELECTS_THIRD})
      ClickControl(dialog, id);
    ClickControl(dialog, IDOK);
  });
  EXPECT_TRUE(answer);
  EXPECT_EQ(checked, (std::map<int, bool>{{IDC_VERTICAL, true},
                                          {IDC_HORIZONTAL, false},
                                          {IDC_GB2312, true},
                                          {IDC_GBK, false},
                                          {IDC_QUOTE_SELECTS_SECOND, true},
                                          {IDC_PERIOD_SELECTS_THIRD, true},
                                          {IDC_WORD_ASSOCIATION, false},
                                          {IDC_FOLLOW_CARET, true}}));
  EXPECT_EQ(placed.x, centred.x);
  EXPECT_EQ(placed.y, centred.y);
  EXPECT_EQ(frameTop, RGB(255, 255, 255));
  EXPECT_EQ(frameBottom, RGB(0, 0, 0));
  EXPECT_EQ(Stored(), (Settings{{"竖向排列", 0}, {"光标跟随", 0}, {"‘键替2选码", 0},
                                {"。键替3选码", 1}, {"默认检索", 0}, {"词语联想", 1}}));

  // The horizontal window: one line of candidates under the code, and the status bar at
  // the bottom-left corner of the work area.
  vertical_ = false;
  const RECT horizontal = CandidatesOfA();
  EXPECT_EQ(Height(horizontal), Layout().baseHeight);
  EXPECT_LT(Height(horizontal), Height(vertical));
  RECT bar = {};
  GetWindowRect(FindWindowA(ModuleString(IDS_CLASS_STATUS).c_str(), nullptr), &bar);
  EXPECT_EQ(bar.left, work.left);
  EXPECT_EQ(bar.bottom, work.bottom);
}

TEST_F(SettingsDialogTest, CancelClosingAndTheOtherModesChangeNothing) {
  const RECT before = CandidatesOfA();
  const Settings stored = Stored();
  EXPECT_TRUE(Configure(IME_CONFIG_GENERAL, nullptr, [](HWND dialog) {
    ClickControl(dialog, IDC_HORIZONTAL);
    ClickControl(dialog, IDC_WORD_ASSOCIATION);
    ClickControl(dialog, IDCANCEL);
  }));
  EXPECT_TRUE(Configure(IME_CONFIG_GENERAL, nullptr, [](HWND dialog) {
    ClickControl(dialog, IDC_HORIZONTAL);
    ClickControl(dialog, IDC_GBK);
    PressAltF4();
  }));
  EXPECT_EQ(Stored(), stored);
  const RECT after = CandidatesOfA();
  EXPECT_EQ(Height(after), Height(before));  // still vertical

  bool shown = false;
  const auto none = [&](HWND) { shown = true; };
  char reading[] = "zg", word[] = "中国";
  REGISTERWORDA registration = {reading, word};
  EXPECT_FALSE(Configure(IME_CONFIG_REGISTERWORD, &registration, none));
  EXPECT_FALSE(Configure(IME_CONFIG_SELECTDICTIONARY, nullptr, none));
  EXPECT_FALSE(shown);
  EXPECT_EQ(Stored(), stored);
}

std::atomic<bool> switchNow{false};
std::atomic<bool> switched{false};
HKL switchTo = nullptr;

// On the application's thread while the dialog is up: once the user has clicked, the
// thread switches to another keyboard layout.
void CALLBACK SwitchWhenClicked(HWND, UINT, UINT_PTR timer, DWORD) {
  if (!switchNow) return;
  KillTimer(nullptr, timer);
  ActivateKeyboardLayout(switchTo, 0);
  switched = true;
}

TEST_F(SettingsDialogTest, SwitchingToAnotherInputMethodClosesTheDialogWithoutStoring) {
  CandidatesOfA();
  const Settings stored = Stored();
  // Another keyboard layout of the system (under Wine in a Chinese locale, its default).
  HKL layouts[32] = {};
  const int count = GetKeyboardLayoutList(32, layouts);
  switchTo = nullptr;
  for (int k = 0; k < count && !switchTo; ++k) {
    if (layouts[k] != layout_) switchTo = layouts[k];
  }
  ASSERT_NE(switchTo, nullptr);
  switchNow = false;
  switched = false;
  bool closedBySwitch = false;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, SwitchWhenClicked);
  EXPECT_TRUE(Configure(IME_CONFIG_GENERAL, nullptr, [&](HWND dialog) {
    ClickControl(dialog, IDC_HORIZONTAL);
    ClickControl(dialog, IDC_WORD_ASSOCIATION);
    switchNow = true;
    for (int i = 0; i < 250 && !switched; ++i) Sleep(20);
    // Wine selects the new input method into the context at the next key, as Windows does
    // at the switch itself.
    Press(VK_SHIFT);
    closedBySwitch = WaitUntilGone(dialog, 3000);
  }));
  KillTimer(nullptr, timer);
  EXPECT_TRUE(closedBySwitch);
  EXPECT_EQ(GetKeyboardLayout(0), switchTo);
  EXPECT_EQ(Stored(), stored);
}

}  // namespace
