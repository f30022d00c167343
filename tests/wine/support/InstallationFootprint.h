// What an installation can leave on a machine: every file and folder below C:\ (with file
// sizes) and the registry keys and values the installer and the uninstaller write, one line
// each, sorted. Two footprints compare as the machine before and after.
#pragma once

#include <windows.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "setup/common/SystemFolders.h"

namespace footprint_detail {

inline void ListFiles(const std::string& dir, std::vector<std::string>* lines) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((dir + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      lines->push_back(dir + name + "\\");
      // Links out of the prefix (the user's documents folders are the Unix home) are not
      // part of the machine.
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        ListFiles(dir + name + "\\", lines);
      }
    } else {
      const ULONGLONG size = (static_cast<ULONGLONG>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
      lines->push_back(dir + name + " " + std::to_string(size));
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

inline std::string ValueText(DWORD type, const BYTE* data, DWORD size) {
  std::string text = std::to_string(type) + ":";
  for (DWORD i = 0; i < size; ++i) {
    static const char kHex[] = "0123456789abcdef";
    text += kHex[data[i] >> 4];
    text += kHex[data[i] & 15];
  }
  return text;
}

// The key's values and subkeys, and the key itself unless it is a system key that an
// installation only adds to.
inline void ListKey(HKEY root, const std::string& path, REGSAM view, const std::string& label,
                    std::vector<std::string>* lines, bool systemKey = false) {
  HKEY key;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS) return;
  if (!systemKey) lines->push_back(label + "\\");
  for (DWORD i = 0;; ++i) {
    char name[512];
    BYTE data[4096];
    DWORD nameSize = sizeof name;
    DWORD dataSize = sizeof data;
    DWORD type = 0;
    if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS) {
      break;
    }
    lines->push_back(label + "\\" + name + " = " + ValueText(type, data, dataSize));
  }
  std::vector<std::string> subkeys;
  char name[512];
  for (DWORD i = 0; RegEnumKeyA(key, i, name, sizeof name) == ERROR_SUCCESS; ++i) {
    subkeys.push_back(name);
  }
  RegCloseKey(key);
  for (const std::string& subkey : subkeys) {
    ListKey(root, path + "\\" + subkey, view, label + "\\" + subkey, lines);
  }
}

inline void ListValue(HKEY root, const char* path, const char* value, const std::string& label,
                      std::vector<std::string>* lines) {
  BYTE data[8192];
  DWORD size = sizeof data;
  DWORD type = 0;
  if (RegGetValueA(root, path, value, RRF_RT_ANY | RRF_NOEXPAND, &type, data, &size) ==
      ERROR_SUCCESS) {
    lines->push_back(label + " = " + ValueText(type, data, size));
  }
}

}  // namespace footprint_detail

inline std::vector<std::string> InstallationFootprint() {
  using namespace footprint_detail;
  std::vector<std::string> lines;
  {
    NativeFileSystem native;  // C:\windows\system32 as it is, from a 32-bit test as well
    ListFiles("C:\\", &lines);
  }
  const char kUninstall[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall";
  ListKey(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Keyboard Layouts", 0,
          "HKLM\\Keyboard Layouts", &lines, true);
  ListKey(HKEY_LOCAL_MACHINE, kUninstall, KEY_WOW64_32KEY, "HKLM32\\Uninstall", &lines, true);
  ListKey(HKEY_LOCAL_MACHINE, kUninstall, KEY_WOW64_64KEY, "HKLM64\\Uninstall", &lines, true);
  ListKey(HKEY_CURRENT_USER, "Keyboard Layout", 0, "HKCU\\Keyboard Layout", &lines, true);
  ListKey(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion\\LUMatori", 0,
          "HKCU\\LUMatori", &lines);
  ListValue(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Session Manager",
            "PendingFileRenameOperations", "HKLM\\Session Manager\\PendingFileRenameOperations",
            &lines);
  std::sort(lines.begin(), lines.end());
  return lines;
}

// The lines of after that before lacks, and of before that after lacks ("- " first).
inline std::vector<std::string> FootprintChanges(const std::vector<std::string>& before,
                                                 const std::vector<std::string>& after) {
  std::vector<std::string> changes;
  std::set_difference(after.begin(), after.end(), before.begin(), before.end(),
                      std::back_inserter(changes));
  std::vector<std::string> gone;
  std::set_difference(before.begin(), before.end(), after.begin(), after.end(),
                      std::back_inserter(gone));
  for (const std::string& line : gone) changes.push_back("- " + line);
  return changes;
}
