// A context made by the test with a UI window on it, driven the way the input method
// manager drives it.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "ime/common/ImmDev.h"
#include "ime/engine/CandidateList.h"
#include "ime/engine/EngineInstance.h"
#include "ime/engine/PrivateRecord.h"
#include "ime/settings/Globals.h"
#include "ime/settings/ListFiles.h"
#include "ime/engine/ModuleStart.h"
#include "ime/ui/UiRecord.h"
#include "ime/ui/UiState.h"
#include "ime/ui/WindowClasses.h"
#include "tests/wine/support/TestRegistry.h"

extern "C" BOOL WINAPI ImeSelect(HIMC himc, BOOL select);

inline void Pump() {
  MSG msg;
  for (int round = 0; round < 3; ++round) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(20);
  }
}

inline RECT WindowRect(HWND window) {
  RECT r = {};
  GetWindowRect(window, &r);
  return r;
}

// A mouse message at a client point of window, as the window sees it through WM_SETCURSOR.
inline void MouseAt(HWND window, int x, int y, UINT mouseMessage) {
  POINT p = {x, y};
  ClientToScreen(window, &p);
  SetCursorPos(p.x, p.y);
  SendMessageA(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
               MAKELPARAM(HTCLIENT, mouseMessage));
}

class UiWindowsTest : public testing::Test {
 protected:
  // "竖向排列" as stored when the module starts.
  virtual DWORD StartupLayout() const { return 0; }

  // Each test starts the module as a fresh process does, with the settings' defaults.
  void SetUp() override {
    DeleteKeyTree(kSettingsKeyPath);
    RegDeleteKeyValueA(HKEY_CURRENT_USER, kCaretKeyPath, "show status");
    SetDword(kSettingsKeyPath, "竖向排列", StartupLayout());
    globals = ImeGlobals{};
    engine = EngineValues{};
    queryList = QueryList{};
    StartModule(GetModuleHandleA(nullptr));

    app = CreateWindowExA(0, "STATIC", "app", WS_POPUP | WS_VISIBLE, 300, 200, 200, 100, nullptr,
                          nullptr, nullptr, nullptr);
    himc = CreateSelectedContext();
    ASSERT_NE(himc, nullptr);
    uiWindow = CreateUiWindow(himc);
    ASSERT_NE(uiWindow, nullptr);
  }

  // A context of the application window with the module selected into it, open in Chinese.
  HIMC CreateSelectedContext() {
    HIMC made = ImmCreateContext();
    LPINPUTCONTEXT context = made ? ImmLockIMC(made) : nullptr;
    if (!context) return nullptr;
    context->hWnd = app;
    context->hPrivate = ImmReSizeIMCC(context->hPrivate, kPrivateRecordSize);
    context->fOpen = TRUE;
    context->fdwConversion = IME_CMODE_NATIVE;
    context->ptStatusWndPos = {0, 0};
    ImmUnlockIMC(made);
    return ImeSelect(made, TRUE) ? made : nullptr;
  }

  HWND CreateUiWindow(HIMC context) {
    HWND window = CreateWindowExA(0, globals.classNames[kClassUi], "", WS_POPUP, 0, 0, 0, 0,
                                  nullptr, nullptr, globals.moduleInstance, nullptr);
    if (window) SetWindowLongPtrA(window, IMMGWLP_IMC, reinterpret_cast<LONG_PTR>(context));
    return window;
  }

  void TearDown() override {
    if (uiWindow) DestroyWindow(uiWindow);
    ImeSelect(himc, FALSE);
    ImmDestroyContext(himc);
    DestroyWindow(app);
    Pump();
    StopModule();
    DeleteKeyTree(kSettingsKeyPath);
  }

  UiRecord Record() {
    UiRecord copy = {};
    if (UiRecord* record = LockUiRecord(uiWindow)) {
      copy = *record;
      UnlockUiRecord(uiWindow);
    }
    return copy;
  }

  void Activate() {
    SendMessageA(uiWindow, WM_IME_SETCONTEXT, TRUE, ISC_SHOWUIALLCANDIDATEWINDOW);
    Pump();
  }

  void SetMsgFlags(DWORD bits) {
    LPINPUTCONTEXT context = ImmLockIMC(himc);
    auto* record = static_cast<PrivateRecord*>(ImmLockIMCC(context->hPrivate));
    record->msgFlags = bits;
    ImmUnlockIMCC(context->hPrivate);
    ImmUnlockIMC(himc);
  }

  // Fills the candidate list with count records "中1", "中2", ... (user entries at odd k).
  void FillCandidates(unsigned count, const char* code) {
    for (unsigned k = 0; k < count; ++k) {
      std::snprintf(globals.candidatePool[k], kCandidateBufferSize, "%c候选%u", k % 2 ? '1' : '0',
                    k + 1);
    }
    ListPool(count);
    LPINPUTCONTEXT context = ImmLockIMC(himc);
    auto* composition = static_cast<LPCOMPOSITIONSTRING>(ImmLockIMCC(context->hCompStr));
    const DWORD length = static_cast<DWORD>(std::strlen(code));
    std::memcpy(reinterpret_cast<char*>(composition) + composition->dwCompStrOffset, code, length + 1);
    composition->dwCompStrLen = composition->dwCursorPos = length;
    ImmUnlockIMCC(context->hCompStr);
    ImmUnlockIMC(himc);
  }

  // Opens the composition with its candidate list, as the first key of a code does, and
  // returns the candidate window.
  HWND OpenCandidatePage() {
    SetMsgFlags(kMsgCompositionStarted | kMsgCandidateOpen);
    SendMessageA(uiWindow, WM_IME_STARTCOMPOSITION, 0, 0);
    SendMessageA(uiWindow, WM_IME_NOTIFY, IMN_CHANGECANDIDATE, 1);
    Pump();
    return Record().candCompWnd;
  }

  // Lists the first count candidate buffers' records (without remaining codes), as a lookup
  // does.
  void ListPool(unsigned count) {
    LPINPUTCONTEXT context = ImmLockIMC(himc);
    void* block = ImmLockIMCC(context->hCandInfo);
    CandidateList* list = CandidateListOf(block);
    EmptyCandidateList(list);
    for (unsigned k = 0; k < count; ++k) AppendCandidateEntry(list, globals.candidatePool[k] + 1);
    static_cast<CandidateInfoHead*>(block)->dwCount = 1;
    ImmUnlockIMCC(context->hCandInfo);
    ImmUnlockIMC(himc);
  }

  DWORD RowsDrawn() {
    LPINPUTCONTEXT context = ImmLockIMC(himc);
    const DWORD rows = CandidateListOf(ImmLockIMCC(context->hCandInfo))->rowsDrawn;
    ImmUnlockIMCC(context->hCandInfo);
    ImmUnlockIMC(himc);
    return rows;
  }

  // Writes a file of the given text in the temporary folder; the returned path is for the
  // test to delete.
  static std::string WriteTempFile(const char* name, const std::string& text) {
    char directory[MAX_PATH];
    GetTempPathA(MAX_PATH, directory);
    const std::string path = std::string(directory) + name;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return path;
  }

  // Writes an "intlist.ini" of the given text and points the module at it.
  std::string UseLinkList(const std::string& text) {
    const std::string path = WriteTempFile("lmt_ui_intlist.ini", text);
    std::snprintf(globals.linkListPath, sizeof globals.linkListPath, "%s", path.c_str());
    return path;
  }

  HWND app = nullptr;
  HIMC himc = nullptr;
  HWND uiWindow = nullptr;
};
