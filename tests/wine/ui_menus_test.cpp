// The menu owner windows: the soft-key menu's layout choice, the context menu's help,
// About box and settings commands, and the owners' life with their UI window.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "ime/engine/SoftKeyboardLayouts.h"
#include "ime/resources/resource.h"
#include "ime/ui/Menus.h"
#include "ime/ui/SoftKeyboard.h"
#include "tests/wine/support/Programs.h"
#include "tests/wine/support/Screenshot.h"
#include "tests/wine/ui_fixture.h"

namespace {

class UiMenusTest : public UiWindowsTest {
 protected:
  // An owner window as the status bar's right click makes it, kept in the UI record.
  HWND MakeOwner(WindowClass ownerClass) {
    HWND owner = CreateWindowExA(0, globals.classNames[ownerClass], "", WS_POPUP | WS_DISABLED,
                                 0, 0, 0, 0, app, nullptr, globals.moduleInstance, nullptr);
    SetSlot(owner, 0, reinterpret_cast<LONG_PTR>(uiWindow));
    if (UiRecord* record = LockUiRecord(uiWindow)) {
      (ownerClass == kClassCMenu ? record->contextMenuWnd : record->softKeyMenuWnd) = owner;
      UnlockUiRecord(uiWindow);
    }
    return owner;
  }

  DWORD State() {
    LPINPUTCONTEXT context = ImmLockIMC(himc);
    const DWORD state = static_cast<PrivateRecord*>(ImmLockIMCC(context->hPrivate))->state;
    ImmUnlockIMCC(context->hPrivate);
    ImmUnlockIMC(himc);
    return state;
  }

  DWORD Mode() {
    DWORD mode = 0, sentence = 0;
    ImmGetConversionStatus(himc, &mode, &sentence);
    return mode;
  }
};

TEST_F(UiMenusTest, LayoutChoiceTurnsTheSoftKeyboardOnWithThatLayoutAlone) {
  Activate();
  HWND owner = MakeOwner(kClassSoftkeyMenu);
  softKeyboardFlags[0] = true;
  ASSERT_FALSE(Mode() & IME_CMODE_SOFTKBD);

  SendMessageA(owner, WM_COMMAND, 1281, 0);  // 希腊字母
  EXPECT_EQ(engine.softKeyboardIndex, 1u);
  for (int i = 0; i < kSoftKeyboardLayoutCount; ++i) EXPECT_EQ(softKeyboardFlags[i], i == 1) << i;
  EXPECT_EQ(State(), kStateSymbolKeyboard);
  EXPECT_TRUE(Mode() & IME_CMODE_SOFTKBD);

  SendMessageA(owner, WM_COMMAND, 1280, 0);  // ＰＣ键盘
  EXPECT_EQ(engine.softKeyboardIndex, 0u);
  EXPECT_EQ(State(), kStateIdle);
  EXPECT_TRUE(Mode() & IME_CMODE_SOFTKBD);

  SendMessageA(owner, WM_COMMAND, 1293, 0);  // not a layout
  EXPECT_EQ(engine.softKeyboardIndex, 0u);
}

TEST_F(UiMenusTest, OwnersReportTheirEndAndCloseWithTheUiWindow) {
  HWND contextOwner = MakeOwner(kClassCMenu);
  HWND softKeyOwner = MakeOwner(kClassSoftkeyMenu);
  DestroyWindow(contextOwner);
  EXPECT_EQ(Record().contextMenuWnd, nullptr);
  EXPECT_EQ(Record().softKeyMenuWnd, softKeyOwner);

  DestroyWindow(uiWindow);
  uiWindow = nullptr;
  EXPECT_FALSE(IsWindow(softKeyOwner));
}

HWND menuOwnerToClose = nullptr;
bool menuEndedByTheTest = false;

// While the soft-key menu is up: closes its owner as a UI window being destroyed does.
void CALLBACK CloseTheOwnerOfTheOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  SendMessageA(menuOwnerToClose, kCloseMenuOwner, 0, 0);
}

void CALLBACK EndTheMenuIfStillUp(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  menuEndedByTheTest = true;
  EndMenu();
}

TEST_F(UiMenusTest, ClosingTheOwnerWhileItsMenuIsUpEndsTheMenu) {
  Activate();
  HWND status = Record().statusWnd;
  ASSERT_NE(status, nullptr);
  menuOwnerToClose = MakeOwner(kClassSoftkeyMenu);
  menuEndedByTheTest = false;
  const UINT_PTR close = SetTimer(nullptr, 0, 300, CloseTheOwnerOfTheOpenMenu);
  const UINT_PTR fallback = SetTimer(nullptr, 0, 5000, EndTheMenuIfStillUp);
  ShowStatusMenu(status, StatusMenu::kSoftKey);  // returns when the menu has ended
  KillTimer(nullptr, close);
  KillTimer(nullptr, fallback);
  EXPECT_FALSE(menuEndedByTheTest);
  EXPECT_FALSE(IsWindow(menuOwnerToClose));
  EXPECT_EQ(Record().softKeyMenuWnd, nullptr);
}

HIMC aboutContext = nullptr;
RECT aboutRect = {};
COLORREF frameTop = CLR_INVALID;
COLORREF frameBottom = CLR_INVALID;

// Notes where the box stands and the colours of its etched frame (kept as a screenshot),
// then deselects the context.
void CALLBACK LookAtTheAboutBoxThenDeselect(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = globals.aboutDialog;
  if (!dialog) return;
  KillTimer(nullptr, timer);
  GetWindowRect(dialog, &aboutRect);
  UpdateWindow(dialog);
  const Screenshot shot = CaptureScreen(AroundWindow(dialog, 4));
  KeepScreenshot(shot, "about-box");
  RECT client = {};
  GetClientRect(dialog, &client);
  POINT top = {client.right / 2, 10};
  POINT bottom = {client.right / 2, client.bottom - 44};
  ClientToScreen(dialog, &top);
  ClientToScreen(dialog, &bottom);
  frameTop = shot.At(top.x, top.y);
  frameBottom = shot.At(bottom.x, bottom.y);
  ImeSelect(aboutContext, FALSE);
}

TEST_F(UiMenusTest, AboutBoxIsCentredAndClosedWhenTheContextIsDeselected) {
  HWND owner = MakeOwner(kClassCMenu);
  aboutContext = himc;
  aboutRect = {};
  frameTop = frameBottom = CLR_INVALID;
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, LookAtTheAboutBoxThenDeselect);
  SendMessageA(owner, WM_COMMAND, IDM_ABOUT, 0);  // returns when the box has closed
  KillTimer(nullptr, timer);
  EXPECT_EQ(globals.aboutDialog, nullptr);
  ReadWorkArea();
  const int width = aboutRect.right - aboutRect.left;
  const int height = aboutRect.bottom - aboutRect.top;
  ASSERT_GT(width, 0);
  EXPECT_EQ(aboutRect.left, (globals.workArea.right - width) / 2);
  EXPECT_EQ(aboutRect.top, (globals.workArea.bottom - height) / 2);
  EXPECT_EQ(frameTop, RGB(255, 255, 255));
  EXPECT_EQ(frameBottom, RGB(0, 0, 0));
}

// While the settings dialog is up: the user chooses the horizontal layout and OK.
void CALLBACK ChooseHorizontal(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND dialog = globals.settingsDialog;
  if (!dialog) return;
  KillTimer(nullptr, timer);
  SendMessageA(GetDlgItem(dialog, IDC_HORIZONTAL), BM_CLICK, 0, 0);
  SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
}

TEST_F(UiMenusTest, SettingsCommandDropsTheCompositionAndAppliesTheLayoutAtOnce) {
  SetDword(kSettingsKeyPath, "竖向排列", 1);
  Activate();
  ASSERT_TRUE(ui.candidate.vertical);
  SetMsgFlags(kMsgCompositionStarted);
  HWND owner = MakeOwner(kClassCMenu);
  const UINT_PTR timer = SetTimer(nullptr, 0, 50, ChooseHorizontal);
  SendMessageA(owner, WM_COMMAND, IDM_SETTINGS, 0);  // returns when the dialog has closed
  KillTimer(nullptr, timer);

  EXPECT_EQ(globals.verticalLayout, 0u);
  EXPECT_FALSE(ui.candidate.vertical);
  POINT bar = {};
  ImmGetStatusWindowPos(himc, &bar);
  EXPECT_EQ(bar.x, 0);
  EXPECT_EQ(bar.y, globals.workArea.bottom - ui.status.window.height);
  LPINPUTCONTEXT context = ImmLockIMC(himc);
  EXPECT_TRUE(context->fOpen);
  auto* record = static_cast<PrivateRecord*>(ImmLockIMCC(context->hPrivate));
  EXPECT_EQ(record->state, kStateIdle);
  EXPECT_FALSE(record->msgFlags & kMsgCompositionStarted);
  ImmUnlockIMCC(context->hPrivate);
  ImmUnlockIMC(himc);
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

BOOL CALLBACK CloseHelpWindow(HWND window, LPARAM found) {
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::string(name) == "HH Parent") {
    ++*reinterpret_cast<int*>(found);
    DestroyWindow(window);
  }
  return TRUE;
}

// Help opens "<Windows directory>\HELP\lumatori.CHM" in the system's HTML Help, also with
// a DLL of its name beside the application (here one that is no HTML Help at all).
TEST_F(UiMenusTest, HelpOpensTheHelpFileWithTheSystemsHtmlHelp) {
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  const std::string helpDir = std::string(windows) + "\\HELP";
  CreateDirectoryA(helpDir.c_str(), nullptr);
  const std::string helpFile = helpDir + "\\lumatori.CHM";
  ASSERT_TRUE(CopyFileA(BesideThisProgram("lumatori.chm").c_str(), helpFile.c_str(), FALSE));
  const std::string planted = BesideThisProgram("hhctrl.ocx");
  ASSERT_TRUE(CopyFileA(BesideThisProgram("lmtdbmanger.dll").c_str(), planted.c_str(), FALSE));

  HWND owner = MakeOwner(kClassCMenu);
  SendMessageA(owner, WM_COMMAND, IDM_HELP, 0);
  Pump();
  HWND viewer = FindWindowA("HH Parent", "Lumatori输入法 使用帮助");
  DWORD process = 0;
  EXPECT_TRUE(viewer && GetWindowThreadProcessId(viewer, &process) &&
              process == GetCurrentProcessId());
  char loaded[MAX_PATH] = {}, system[MAX_PATH] = {};
  GetModuleFileNameA(GetModuleHandleA("hhctrl.ocx"), loaded, MAX_PATH);
  GetSystemDirectoryA(system, MAX_PATH);
  EXPECT_EQ(Lower(loaded), Lower(std::string(system) + "\\hhctrl.ocx"));

  int windowsClosed = 0;
  EnumThreadWindows(GetCurrentThreadId(), CloseHelpWindow, reinterpret_cast<LPARAM>(&windowsClosed));
  EXPECT_EQ(windowsClosed, 1);
  EXPECT_TRUE(DeleteFileA(planted.c_str())) << "never loaded";
  DeleteFileA(helpFile.c_str());
}

}  // namespace
