// Types codes through the installed input method into a real EDIT control, the way a user
// does, and prints what the control holds after each step. Used by the main job after the
// installer has run, and by the installation tests as "an application" of either
// architecture.
//   lmt_demo [--phrase CODE TEXT] [--screenshot FILE.bmp] STEP...
// A step is code letters followed by ' ' (Space) or a digit, e.g. "khlg ". --phrase first
// adds a user phrase as the phrase dialog stores it. --screenshot finally types "a" and keeps
// the screen with the candidate window.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "ime/dictionary/UserPhrases.h"
#include "setup/common/ImeLayouts.h"
#include "setup/common/ProductNames.h"
#include "tests/wine/support/ImeTyping.h"
#include "tests/wine/support/Screenshot.h"

namespace {

void Type(const std::string& keys) {
  for (char key : keys) {
    if (key == ' ') {
      Press(VK_SPACE);
    } else if (key >= '1' && key <= '9') {
      Press(static_cast<WORD>(key));
    } else {
      TypeLetters(std::string(1, key));
    }
  }
}

std::string Utf8(const std::wstring& text) {
  char buffer[1024] = {};
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, buffer, sizeof buffer, nullptr, nullptr);
  return buffer;
}

// The user dictionary of the installation the settings name, in the scheme they choose.
bool AddPhrase(const std::string& code, const std::string& text) {
  char dir[MAX_PATH] = {};
  DWORD size = sizeof dir - 1;
  DWORD scheme = 0;
  DWORD schemeSize = sizeof scheme;
  if (RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, "SetupDir", RRF_RT_REG_SZ, nullptr, dir,
                   &size) != ERROR_SUCCESS) {
    return false;
  }
  RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, "声型", RRF_RT_REG_DWORD, nullptr, &scheme,
               &schemeSize);
  const DictionarySet dictionaries = {std::string(dir) + "lumatoridb\\",
                                      scheme == 1 ? CodeScheme::sx : CodeScheme::zx};
  try {
    return AddUserPhrase(dictionaries, {code, text}) == PhraseRefusal::kNone;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return false;
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> steps;
  std::string screenshot;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--phrase") == 0 && i + 2 < argc) {
      if (!AddPhrase(argv[i + 1], argv[i + 2])) {
        std::fprintf(stderr, "the phrase could not be added\n");
        return 1;
      }
      i += 2;
    } else if (std::strcmp(argv[i], "--screenshot") == 0 && i + 1 < argc) {
      screenshot = argv[++i];
    } else {
      steps.push_back(argv[i]);
    }
  }
  const std::vector<std::string> layouts = LayoutKeysFor(kImeFile);
  if (layouts.empty()) {
    std::fprintf(stderr, "Lumatori输入法 is not installed\n");
    return 1;
  }
  const HKL layout = LayoutHandle(layouts.front());

  WNDCLASSW wc = {};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"LumatoriDemo";
  RegisterClassW(&wc);
  HWND window = CreateWindowW(L"LumatoriDemo", L"Lumatori", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40,
                              40, 480, 160, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  HWND edit = CreateWindowW(L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 10,
                            10, 440, 30, window, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetForegroundWindow(window);
  SetFocus(edit);
  Pump(300);
  if (!ActivateKeyboardLayout(layout, 0) || GetKeyboardLayout(0) != layout) {
    std::fprintf(stderr, "the layout %s cannot be activated\n", layouts.front().c_str());
    return 1;
  }
  Pump(300);
  std::printf("%d-bit application, layout %s\n", static_cast<int>(sizeof(void*) * 8),
              layouts.front().c_str());
  for (const std::string& step : steps) {
    Type(step);
    Pump(200);
    wchar_t text[256] = {};
    GetWindowTextW(edit, text, 256);
    std::printf("%-10s -> %s\n", ("\"" + step + "\"").c_str(), Utf8(text).c_str());
  }
  if (!screenshot.empty()) {
    Type("a");
    Pump(500);
    const RECT screen = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (!SaveBmp(CaptureScreen(screen), screenshot)) {
      std::fprintf(stderr, "the screenshot could not be saved\n");
    }
  }
  std::fflush(stdout);
  DestroyWindow(window);
  return 0;
}
