#include "setup/uninstaller/FileRemoval.h"

#include <windows.h>

#include "setup/common/SystemFolders.h"

namespace {

// A new empty file in the temp folder whose name can take the held file's place.
std::string TempFileName() {
  char folder[MAX_PATH];
  char name[MAX_PATH];
  const DWORD length = GetTempPathA(MAX_PATH, folder);
  if (length == 0 || length >= MAX_PATH || !GetTempFileNameA(folder, "lmt", 0, name)) {
    return std::string();
  }
  return name;
}

}  // namespace

Removal RemoveFileNowOrAtRestart(const std::string& path) {
  NativeFileSystem native;
  if (!FileExists(path) || DeleteFileA(path.c_str())) return Removal::kGone;
  const std::string aside = TempFileName();
  if (!aside.empty()) {
    if (MoveFileExA(path.c_str(), aside.c_str(), MOVEFILE_REPLACE_EXISTING)) {
      MoveFileExA(aside.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
      return Removal::kAtRestart;
    }
    DeleteFileA(aside.c_str());
  }
  return MoveFileExA(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT) ? Removal::kAtRestart
                                                                         : Removal::kKept;
}
