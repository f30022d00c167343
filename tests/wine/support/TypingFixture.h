// The end-to-end fixture: small encrypted dictionaries, the module installed with the
// input method manager and selected for a window holding an EDIT control, and the
// control's text read back. Wine keeps a loaded IME for the life of the process, so each
// test runs in a process of its own (lmt_add_e2e_program).
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <imm.h>

#include <string>
#include <utility>
#include <vector>

#include "ime/engine/ImeConstants.h"
#include "tests/native/lookup_dictionaries.h"
#include "tests/wine/support/ImeTyping.h"
#include "tests/wine/support/Programs.h"
#include "tests/wine/support/TestRegistry.h"

class TypingTest : public testing::Test {
protected:
  void SetUp() override {
    // The dictionaries: "a" lists 中 and 文 (and the longer codes after them), "ab" 中文 and
    // 中午, "ac" only 文字; "d" lists 一 to 九, more than a page. In the sx scheme every
    // prefix of "abcdefgh" lists 东 and 西.
    const std::string db = install_.File("lumatoridb");
    CreateDirectoryA(db.c_str(), nullptr);
    std::vector<DictionaryRow> rowsOfD;
    for (const char* digit : {"一", "二", "三", "四", "五", "六", "七", "八", "九"})
      rowsOfD.push_back({digit, "d"});
    WriteDictionaryFolder(db + "\\",
                          {{"lmtsys_a.db", "lmt_zx",
                            {{"中", "a"}, {"文", "a"}, {"中文", "ab"}, {"中午", "ab"}, {"文字", "ac"}}},
                           {"lmtsys_a.db", "lmt_sx", {{"东", "abcdefgh"}, {"西", "abcdefgh"}}},
                           {"lmtsys_d.db", "lmt_zx", rowsOfD}});
    DeleteKeyTree(kSettingsKeyPath);
    SetString(kSettingsKeyPath, "SetupDir", install_.Path().string() + "\\");
    SetDword(kSettingsKeyPath, "声型", 0);

    for (const char* file : {"lumatori.ime", "lmtdbmanger.dll"})
      ASSERT_TRUE(CopyFileA(BesideThisProgram(file).c_str(), SystemFile(file).c_str(), FALSE));
    layout_ = InstalledLayout(SystemFile("lumatori.ime"));
    ASSERT_NE(layout_, nullptr);

    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"E2ETypingWindow";
    RegisterClassW(&wc);
    window_ = CreateWindowW(L"E2ETypingWindow", L"typing", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50,
                            50, 400, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window_, nullptr);
    edit_ = CreateWindowW(L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 10,
                          10, 360, 30, window_, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(edit_, nullptr);
    SetForegroundWindow(window_);
    SetFocus(edit_);
    Pump(300);
    ASSERT_NE(ActivateKeyboardLayout(layout_, 0), nullptr);
    Pump(300);
    ASSERT_EQ(GetKeyboardLayout(0), layout_);
  }

  void TearDown() override {
    if (window_) DestroyWindow(window_);
    DeleteKeyTree(kSettingsKeyPath);
  }

  std::wstring Text() {
    wchar_t text[256] = {};
    GetWindowTextW(edit_, text, 256);
    return text;
  }

  // A system dictionary file of zx codes, all beginning with `initial`.
  void AddZxRows(char initial, const std::vector<DictionaryRow>& rows) {
    const std::string file = std::string("lmtsys_") + initial + ".db";
    WriteDictionaryFiles(install_.File("lumatoridb") + "\\", {{file, "lmt_zx", rows}});
  }

  // Wine selects the module into the context at the first key; a mode set before that is
  // replaced by the selection's Chinese mode.
  void SetMode(DWORD mode) {
    Press(VK_SHIFT);
    HIMC himc = ImmGetContext(edit_);
    DWORD conversion = 0, sentence = 0;
    ImmGetConversionStatus(himc, &conversion, &sentence);
    ImmSetConversionStatus(himc, mode, sentence);
    ImmReleaseContext(edit_, himc);
    Pump(100);
  }

  TempFolder install_;
  HKL layout_ = nullptr;
  HWND window_ = nullptr;
  HWND edit_ = nullptr;
};
