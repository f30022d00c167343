#include "ime/settings/Launch.h"

#include <shellapi.h>

#include <string>

#include "ime/settings/Globals.h"
#include "ime/settings/PathText.h"
#include "ime/settings/Registry.h"
#include "ime/settings/WebSearchAddress.h"

namespace {

constexpr DWORD kPathValueSize = 261;

// The value "打字练习" of the settings key; false when absent.
bool ReadTypingPracticePath(std::string* path) {
  HKEY base = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion", 0,
                    KEY_READ, &base) != ERROR_SUCCESS &&
      RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Microsoft\\Windows\\CurrentVersion", 0,
                      nullptr, 0, KEY_READ, nullptr, &base, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  HKEY settings = nullptr;
  bool found = false;
  if (RegOpenKeyExA(base, globals.settingsKeyName, 0, KEY_READ, &settings) == ERROR_SUCCESS) {
    char buffer[kPathValueSize] = {};
    found = ReadString(settings, "打字练习", buffer, sizeof buffer);
    if (found) *path = buffer;
    RegCloseKey(settings);
  }
  RegCloseKey(base);
  return found;
}

void OfferDownload(HWND owner, const std::string& text) {
  if (MessageBoxA(owner, text.c_str(), "提示", MB_YESNO | MB_ICONINFORMATION) == IDYES) {
    ShellExecuteA(nullptr, "Open", kTypingPracticeDownload, nullptr, nullptr, SW_SHOW);
  }
}

}  // namespace

bool OpenCodeLookupFile() {
  if (globals.dictionaryDir[0] == '\0') return false;
  // By its full path: a bare name could be found elsewhere.
  const std::string path =
      std::string(globals.dictionaryDir) + (globals.sxScheme ? "sxzd.txt" : "zxzd.txt");
  ShellExecuteA(nullptr, "open", path.c_str(), nullptr, globals.dictionaryDir, SW_SHOWNORMAL);
  return true;
}

void LaunchTypingPractice(HWND owner) {
  std::string path;
  if (!ReadTypingPracticePath(&path)) {
    OfferDownload(owner, "未安装打字练习程序\r是否下载安装此程序");
    return;
  }
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) {
    OfferDownload(owner, "程序文件:" + path + "不存在" + "\r" + "是否下载安装此程序");
    return;
  }
  const std::string::size_type slash = LastPathSeparator(path);
  const std::string directory = slash == std::string::npos ? std::string() : path.substr(0, slash);
  const std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
  ShellExecuteA(nullptr, "open", file.c_str(), nullptr,
                directory.empty() ? nullptr : directory.c_str(), SW_SHOWNORMAL);
}
