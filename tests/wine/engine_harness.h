// A real input context for calling the module's entry points directly: a window with its
// own context, blocks made by ImeSelect, and small encrypted dictionaries.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "ime/common/ImmDev.h"
#include "ime/engine/CandidateList.h"
#include "ime/engine/PrivateRecord.h"
#include "tests/native/lookup_dictionaries.h"

extern "C" {
BOOL WINAPI ImeInquire(LPIMEINFO, LPSTR, DWORD);
BOOL WINAPI ImeSelect(HIMC, BOOL);
BOOL WINAPI ImeSetActiveContext(HIMC, BOOL);
BOOL WINAPI ImeProcessKey(HIMC, UINT, LPARAM, CONST LPBYTE);
UINT WINAPI ImeToAsciiEx(UINT, UINT, CONST LPBYTE, LPTRANSMSGLIST, UINT, HIMC);
BOOL WINAPI NotifyIME(HIMC, DWORD, DWORD, DWORD);
BOOL WINAPI ImeSetCompositionString(HIMC, DWORD, LPVOID, DWORD, LPVOID, DWORD);
LRESULT WINAPI ImeEscape(HIMC, UINT, LPVOID);
DWORD WINAPI ImeConversionList(HIMC, LPCSTR, LPCANDIDATELIST, DWORD, UINT);
BOOL WINAPI ImeDestroy(UINT);
BOOL WINAPI ImeRegisterWord(LPCSTR, DWORD, LPCSTR);
BOOL WINAPI ImeUnregisterWord(LPCSTR, DWORD, LPCSTR);
UINT WINAPI ImeGetRegisterWordStyle(UINT, LPSTYLEBUFA);
UINT WINAPI ImeEnumRegisterWord(REGISTERWORDENUMPROCA, LPCSTR, DWORD, LPCSTR, LPVOID);
}

struct Msg {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool operator==(const Msg& other) const {
    return message == other.message && wParam == other.wParam && lParam == other.lParam;
  }
};
using Trace = std::vector<Msg>;
void PrintTo(const Msg& msg, std::ostream* out);

// The messages of the typical lists.
Msg Start();
Msg End();
Msg Composition(WPARAM ch, LPARAM gcs);
Msg Notify(WPARAM notification, LPARAM argument);
Msg Char(WPARAM ch, LPARAM lParam = 1);

// Writes the files (with both tables, the user dictionary included) into a fresh folder
// and points the dictionary directory at it.
class TestDictionaries {
public:
  explicit TestDictionaries(const std::vector<DictionaryFileRows>& files);
private:
  TempFolder folder_;
};

// The module-wide values the engine tests start from (zx, code length 4, vertical layout,
// both selection keys on, association off, simplified output, standard translation list).
void ResetEngineForTests();

struct KeyResult {
  bool taken;
  Trace messages;  // from ImeToAsciiEx, empty when the key was not taken
  UINT returned;
};

class EngineContextTest : public testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;

  KeyResult Press(UINT vk, bool shift = false);
  KeyResult PressIn(HIMC himc, UINT vk, bool shift = false);
  // Another context of the test window, made and selected as the manager does.
  HIMC SelectedContext();
  void Type(const std::string& letters);

  void SetRowsDrawn(DWORD rows);
  void EmptyCandidateList();
  CandidateList Candidates();
  std::string CandidateText(DWORD index);  // the record without its marker
  std::string ResultString();
  std::string CompositionString();
  PrivateRecord Private();
  DWORD ConversionMode();
  void SetConversionMode(DWORD mode);
  void SetOpen(BOOL open);
  DWORD GuidelineLevel();

  HWND window_ = nullptr;
  HIMC himc_ = nullptr;
};

// The WM_IME_* messages the context's window received (generated outside ImeToAsciiEx).
Trace& SentMessages();
Trace SentImeMessages();  // without the manager's own IMN_SETCONVERSIONMODE etc.
