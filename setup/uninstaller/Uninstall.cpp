#include "setup/uninstaller/Uninstall.h"

#include <shlobj.h>

#include <vector>

#include "setup/common/ProductNames.h"
#include "setup/common/ResourceBytes.h"
#include "setup/common/SystemFolders.h"
#include "setup/uninstaller/FileRemoval.h"
#include "setup/uninstaller/LayoutRemoval.h"

namespace {

// The user dictionary becomes the backup that the next installation restores. When that
// fails the dictionary stays where it is: it is never deleted.
void KeepUserDictionary(const std::string& installDir) {
  const std::string dictionary = installDir + kUserDictionary;
  if (FileExists(dictionary)) {
    MoveFileExA(dictionary.c_str(), (installDir + kUserDictionaryBackup).c_str(),
                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  }
}

bool IsUserDictionary(const std::string& name) {
  return lstrcmpiA(name.c_str(), kUserDictionary) == 0;
}

// True when applications still hold some of the files: they go at the next restart.
bool RemoveSystemFiles() {
  const SystemFolders folders = FindSystemFolders();
  std::vector<std::string> files;
  for (const std::string& dir : {folders.native, folders.x86}) {
    if (dir.empty()) continue;
    files.push_back(dir + kImeFile);
    files.push_back(dir + kSqliteFile);
  }
  if (!folders.windows.empty()) files.push_back(folders.windows + kHelpFolder + kHelpFile);
  bool held = false;
  for (const std::string& file : files) {
    held = RemoveFileNowOrAtRestart(file) != Removal::kGone || held;
  }
  return held;
}

void RemoveInstallationFolder(HINSTANCE instance, const std::string& installDir) {
  for (const std::string& name : ResourceLines(instance, "FILES")) {
    if (!IsUserDictionary(name)) RemoveFileNowOrAtRestart(installDir + name);
  }
  for (const char* program :
       {kDictionaryPackageFile, kUpdaterFile, kOtherProgramFile, kUninstallerFile}) {
    RemoveFileNowOrAtRestart(installDir + program);
  }
  // Folders that hold nothing else. The backup, and the module's dated backups of the user
  // dictionary (never installation files), keep their folder.
  RemoveDirectoryA((installDir + kDictionaryFolder).c_str());
  RemoveDirectoryA(installDir.c_str());
}

void RemoveStartMenuFolder() {
  char programs[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathA(nullptr, programs, CSIDL_PROGRAMS, FALSE)) return;
  const std::string folder = std::string(programs) + "\\" + kStartMenuFolder;
  DeleteFileA((folder + "\\" + kUninstallShortcut).c_str());
  RemoveDirectoryA(folder.c_str());
}

void RemoveRegistryEntries() {
  RegDeleteKeyExA(HKEY_LOCAL_MACHINE, kUninstallEntryKey, KEY_WOW64_32KEY, 0);
  RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
  RegDeleteKeyA(HKEY_CURRENT_USER, kSettingsKey);
}

}  // namespace

bool Uninstall(HINSTANCE instance, const std::string& installDir) {
  RemoveImeLayouts();
  KeepUserDictionary(installDir);
  const bool held = RemoveSystemFiles();
  RemoveInstallationFolder(instance, installDir);
  RemoveStartMenuFolder();
  RemoveRegistryEntries();
  return held;
}
