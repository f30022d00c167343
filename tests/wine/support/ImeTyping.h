// Installing the module with the input method manager and typing into a window through
// it, as a user does: shared by the end-to-end tests and the main job's demo.
#pragma once

#include <windows.h>

#include <imm.h>

#include <cstdlib>
#include <string>

inline std::string SystemFile(const char* name) {
  char dir[MAX_PATH];
  GetSystemDirectoryA(dir, MAX_PATH);
  return std::string(dir) + "\\" + name;
}

// The layout under which the module is registered, installing it the first time only.
inline HKL InstalledLayout(const std::string& imeFile) {
  const char kLayouts[] = "System\\CurrentControlSet\\Control\\Keyboard Layouts";
  HKEY layouts;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kLayouts, 0, KEY_READ, &layouts) == ERROR_SUCCESS) {
    char name[16];
    for (DWORD i = 0; RegEnumKeyA(layouts, i, name, sizeof name) == ERROR_SUCCESS; ++i) {
      char file[MAX_PATH] = {};
      DWORD size = sizeof file;
      if (RegGetValueA(layouts, name, "Ime File", RRF_RT_REG_SZ, nullptr, file, &size) ==
              ERROR_SUCCESS &&
          lstrcmpiA(file, imeFile.c_str()) == 0) {
        RegCloseKey(layouts);
        return reinterpret_cast<HKL>(static_cast<ULONG_PTR>(strtoul(name, nullptr, 16)));
      }
    }
    RegCloseKey(layouts);
  }
  return ImmInstallIMEA(imeFile.c_str(), "Lumatori输入法");
}

inline void Pump(DWORD milliseconds) {
  const DWORD until = GetTickCount() + milliseconds;
  MSG msg;
  while (static_cast<LONG>(until - GetTickCount()) > 0) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(5);
  }
}

inline void SendKey(WORD vk, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
}

inline void Press(WORD vk, bool shift = false) {
  if (shift) SendKey(VK_SHIFT, false);
  SendKey(vk, false);
  SendKey(vk, true);
  if (shift) SendKey(VK_SHIFT, true);
  Pump(150);
}

inline void TypeLetters(const std::string& letters) {
  for (char letter : letters) Press(static_cast<WORD>(letter - 'a' + 'A'));
}
