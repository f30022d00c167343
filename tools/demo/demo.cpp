// The main job's program: installs the module with the input method manager and the
// shipped dictionaries with the dictionary package, types a few codes into a real EDIT
// control the way a user does, and prints what the control holds.
//   lmt_demo INSTALL_DIR
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/wine/support/ImeTyping.h"
#include "tests/wine/support/Programs.h"
#include "tests/wine/support/TestRegistry.h"

namespace {

struct Step {
  const char* keys;  // code letters, then ' ' for Space or a digit
  const char* what;
};

void Type(const char* keys) {
  for (const char* key = keys; *key; ++key) {
    if (*key == ' ') {
      Press(VK_SPACE);
    } else if (*key >= '1' && *key <= '9') {
      Press(static_cast<WORD>(*key));
    } else {
      TypeLetters(std::string(1, *key));
    }
  }
}

std::string Utf8(const std::wstring& text) {
  char buffer[1024] = {};
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, buffer, sizeof buffer, nullptr, nullptr);
  return buffer;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: lmt_demo INSTALL_DIR\n");
    return 2;
  }
  const std::string installDir = argv[1];
  CreateDirectoryA(installDir.c_str(), nullptr);
  if (RunAndWait("\"" + BesideThisProgram("lumatori.exe") + "\" \"" + installDir + "\"", 120000)) {
    std::fprintf(stderr, "the dictionary package failed\n");
    return 1;
  }
  SetString(kSettingsKeyPath, "SetupDir", installDir + "\\");
  SetDword(kSettingsKeyPath, "声型", 0);  // the zx (Wubi) scheme
  for (const char* file : {"lumatori.ime", "lmtdbmanger.dll"}) {
    CopyFileA(BesideThisProgram(file).c_str(), SystemFile(file).c_str(), FALSE);
  }
  HKL layout = InstalledLayout(SystemFile("lumatori.ime"));
  if (!layout) {
    std::fprintf(stderr, "ImmInstallIMEA failed (error %lu)\n", GetLastError());
    return 1;
  }

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
  ActivateKeyboardLayout(layout, 0);
  Pump(300);

  const Step steps[] = {{"k ", "k, Space: the first candidate"},
                        {"wq ", "wq, Space"},
                        {"khlg ", "khlg, Space: a phrase"},
                        {"r ", "r, Space"}};
  for (const Step& step : steps) {
    Type(step.keys);
    Pump(200);
    wchar_t text[256] = {};
    GetWindowTextW(edit, text, 256);
    std::printf("%-32s -> %s\n", step.what, Utf8(text).c_str());
  }
  // The candidate window with a full page, for the screenshot the main job takes.
  Type("a");
  Pump(300);
  std::printf("typed \"a\": the candidate window is up\n");
  std::fflush(stdout);
  Pump(4000);
  DestroyWindow(window);
  return 0;
}
