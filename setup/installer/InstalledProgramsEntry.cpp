#include "setup/installer/InstalledProgramsEntry.h"

#include <windows.h>

#include "setup/common/FileVersion.h"
#include "setup/common/ProductNames.h"

namespace {

// The size in bytes of the files below dir, subfolders included.
ULONGLONG FolderSize(const std::string& dir) {
  ULONGLONG total = 0;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((dir + "*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return 0;
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      total += FolderSize(dir + name + "\\");
    } else {
      total += (static_cast<ULONGLONG>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return total;
}

ULONGLONG FileSize(const std::string& path) {
  NativeFileSystem native;
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (static_cast<ULONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool SetString(HKEY key, const char* name, const std::string& value) {
  return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool SetDword(HKEY key, const char* name, DWORD value) {
  return RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                        sizeof value) == ERROR_SUCCESS;
}

}  // namespace

bool WriteInstalledProgramsEntry(const std::string& installDir, const SystemFolders& folders) {
  ULONGLONG bytes = FolderSize(installDir);
  for (const std::string& system : {folders.native, folders.x86}) {
    if (system.empty()) continue;
    bytes += FileSize(system + kImeFile) + FileSize(system + kSqliteFile);
  }
  if (!folders.windows.empty()) bytes += FileSize(folders.windows + kHelpFolder + kHelpFile);

  // The 32-bit view, whichever build of the installer runs, so that there is one entry.
  HKEY key = nullptr;
  if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kUninstallEntryKey, 0, nullptr, 0,
                      KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const std::string uninstaller = "\"" + installDir + kUninstallerFile + "\"";
  const bool written =
      SetString(key, "DisplayName", kProductName) &&
      SetString(key, "DisplayVersion", VersionText(OwnFileVersion())) &&
      SetString(key, "Publisher", kPublisher) &&
      SetString(key, "DisplayIcon", installDir + kUninstallerFile + ",0") &&
      SetString(key, "InstallLocation", installDir) &&
      SetString(key, "UninstallString", uninstaller) &&
      SetString(key, "QuietUninstallString", uninstaller + " /S") &&
      SetDword(key, "EstimatedSize", static_cast<DWORD>((bytes + 1023) / 1024)) &&
      SetDword(key, "NoModify", 1) && SetDword(key, "NoRepair", 1);
  RegCloseKey(key);
  return written;
}
