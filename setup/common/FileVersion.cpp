#include "setup/common/FileVersion.h"

#include <vector>

bool ReadFileVersion(const char* path, TFileVersionInfo* info) {
  DWORD handle = 0;
  const DWORD size = GetFileVersionInfoSizeA(path, &handle);
  if (size == 0) return false;
  std::vector<char> block(size);
  void* fixed = nullptr;
  UINT length = 0;
  if (!GetFileVersionInfoA(path, 0, size, block.data()) ||
      !VerQueryValueA(block.data(), "\\", &fixed, &length) || length < sizeof *info) {
    return false;
  }
  *info = *static_cast<const TFileVersionInfo*>(fixed);
  return true;
}

VersionNumber OwnFileVersion() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  TFileVersionInfo info;
  if (length == 0 || length >= MAX_PATH || !ReadFileVersion(path, &info)) return 0;
  return MakeVersionNumber(info.dwFileVersionMS, info.dwFileVersionLS);
}
