#include "setup/common/SystemFolders.h"

#include <windows.h>

#include "setup/common/PathText.h"

namespace {

bool RunsUnderWow64() {
#ifdef _WIN64
  return false;
#else
  BOOL wow64 = FALSE;
  return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
#endif
}

std::string ExistingFolder(UINT (WINAPI* query)(LPSTR, UINT)) {
  char path[MAX_PATH];
  const UINT length = query(path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return std::string();
  NativeFileSystem native;
  return DirectoryExists(path) ? WithTrailingBackslash(path) : std::string();
}

}  // namespace

bool DirectoryExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

SystemFolders FindSystemFolders() {
  SystemFolders folders;
  folders.windows = ExistingFolder(GetWindowsDirectoryA);
  if (RunsUnderWow64()) {
    // A 32-bit program's own system directory is the 32-bit one; the native one is the
    // name Windows gives every program, reached with redirection off.
    folders.is64BitWindows = true;
    folders.x86 = ExistingFolder(GetSystemWow64DirectoryA);
    const std::string systemRoot = ExistingFolder(GetSystemWindowsDirectoryA);
    NativeFileSystem native;
    if (!systemRoot.empty() && DirectoryExists(systemRoot + "System32")) {
      folders.native = systemRoot + "System32\\";
    }
    return folders;
  }
  folders.native = ExistingFolder(GetSystemDirectoryA);
#ifdef _WIN64
  folders.is64BitWindows = true;
  folders.x86 = ExistingFolder(GetSystemWow64DirectoryA);
#endif
  return folders;
}

NativeFileSystem::NativeFileSystem() {
  if (RunsUnderWow64()) disabled_ = Wow64DisableWow64FsRedirection(&previous_);
}

NativeFileSystem::~NativeFileSystem() {
  if (disabled_) Wow64RevertWow64FsRedirection(previous_);
}
