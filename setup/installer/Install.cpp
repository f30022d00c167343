#include "setup/installer/Install.h"

#include <shlobj.h>

#include <algorithm>
#include <vector>

#include "setup/common/HeldFiles.h"
#include "setup/common/ImeLayouts.h"
#include "setup/common/PackageResult.h"
#include "setup/common/PathText.h"
#include "setup/common/ProductNames.h"
#include "setup/common/SystemFolders.h"
#include "setup/installer/InstalledProgramsEntry.h"
#include "setup/installer/Pages.h"
#include "setup/installer/PayloadFiles.h"
#include "setup/installer/ShellOperations.h"
#include "setup/installer/Wizard.h"

namespace {

const char kModuleMissing[] = "输入法文件不存在，请重新下载安装程序安装";
const char kCannotCreateDir[] = "无法创建安装目录";
const char kInstallFailed[] = "安装失败";
const char kRecoveredBefore[] = "用户词库已损坏，原文件已另存于词库目录；从中恢复了";
const char kRecoveredAfter[] = "个词组。";
const char kHeldBefore[] = "以下词库文件正被其他程序使用，未能更新：";
const char kHeldAfter[] = "请关闭使用Lumatori输入法的程序，再点击“开始安装”。";

// How long the installation waits for other programs to close the dictionaries: an
// application with the input method loaded closes them after 30 seconds without a key.
constexpr DWORD kHeldWaitMs = 40000;
constexpr DWORD kHeldCheckMs = 250;

// Creates dir with every missing parent; true when it exists afterwards. Only a full path
// names an installation directory: a relative one would depend on the installer's folder.
bool CreateDirectoryTree(const std::string& dir) {
  if (!IsFullPath(dir)) return false;
  SHCreateDirectoryExA(nullptr, dir.c_str(), nullptr);
  return DirectoryExists(dir);
}

// A backup left by the uninstaller becomes the user dictionary again, replacing the empty
// one the dictionary package installs.
void RestoreUserDictionary(const std::string& installDir) {
  const std::string backup = installDir + kUserDictionaryBackup;
  if (FileExists(backup)) {
    MoveFileExA(backup.c_str(), (installDir + kUserDictionary).c_str(),
                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
  }
}

// The dictionary files that other programs hold open and the package would replace: every
// database but the user dictionary, which it keeps.
std::vector<std::string> HeldDictionaries(const std::string& installDir) {
  std::vector<std::string> held = HeldFilesIn(installDir + kDictionaryFolder + "\\", "*.db");
  const std::string user = FileNameOf(kUserDictionary);
  held.erase(std::remove_if(held.begin(), held.end(),
                            [&](const std::string& name) {
                              return lstrcmpiA(name.c_str(), user.c_str()) == 0;
                            }),
             held.end());
  return held;
}

// Runs the dictionary package. While other programs hold the dictionaries, it replaces
// nothing; then it runs again once they are closed, for up to kHeldWaitMs, the wizard
// painting meanwhile. Its exit code; held receives the files still held at the end.
DWORD RunDictionaryPackage(const std::string& installDir, std::vector<std::string>* held) {
  const std::string package = installDir + kDictionaryPackageFile;
  DWORD result = RunAndWait(package);
  const DWORD start = GetTickCount();
  while (result == kDictionariesHeld && GetTickCount() - start < kHeldWaitMs) {
    if (!PauseRepainting(kHeldCheckMs)) break;
    if (HeldDictionaries(installDir).empty()) result = RunAndWait(package);
  }
  if (result == kDictionariesHeld) *held = HeldDictionaries(installDir);
  return result;
}

std::string HeldMessage(const std::vector<std::string>& held) {
  std::string text = kHeldBefore;
  for (const std::string& name : held) text += "\r\n" + name;
  return text + "\r\n" + kHeldAfter;
}

void CreateUninstallShortcut(const std::string& installDir) {
  const std::string uninstaller = installDir + kUninstallerFile;
  if (!FileExists(uninstaller)) return;
  std::string programs = SpecialFolderPath(CSIDL_PROGRAMS);
  while (!programs.empty() && (programs.back() == ' ' || programs.back() == '\t')) {
    programs.pop_back();
  }
  while (!programs.empty() && programs.front() == ' ') programs.erase(0, 1);
  if (programs.empty()) return;
  const std::string folder = WithTrailingBackslash(programs) + kStartMenuFolder;
  CreateDirectoryA(folder.c_str(), nullptr);
  CreateShortcut(folder + "\\" + kUninstallShortcut, uninstaller, installDir, "");
}

// The layout of the module: the one registered before, so that a reinstallation adds no
// second, or a new one.
HKL RegisterModule(const std::string& moduleFile) {
  const std::vector<std::string> registered = LayoutKeysFor(kImeFile);
  if (!registered.empty()) return LayoutHandle(registered.front());
  return ImmInstallIMEA(moduleFile.c_str(), kProductName);
}

void SetButtonsEnabled(const TForm1& form, bool enabled) {
  EnableWindow(form.Button1, enabled);
  EnableWindow(form.Button2, enabled);
}

}  // namespace

void Install(TForm1& form) {
  ShowDirectoryRow(form, false);
  if (!WriteAllPayloads(form.instance,
                        SystemFileTargets(form.folders, kImeFile, "IME", "IME_X64"))) {
    ShowMessage(form, kModuleMissing);
    return;
  }
  SetButtonsEnabled(form, false);
  form.installing = true;
  form.installDir = WindowText(form.Edit1);
  if (!CreateDirectoryTree(form.installDir)) {
    form.installing = false;
    ShowMessage(form, kCannotCreateDir + form.installDir);
    return;
  }
  form.installDir = WithTrailingBackslash(form.installDir);
  const std::string& dir = form.installDir;

  WritePayload(form.instance, {"LUMATORIDB", dir + kDictionaryPackageFile});
  WritePayload(form.instance, {"LUMATORIUP", dir + kUpdaterFile});
  if (!form.helpDir.empty()) WritePayload(form.instance, {"HELP", form.helpDir + kHelpFile});
  for (const PayloadTarget& target :
       SystemFileTargets(form.folders, kSqliteFile, "SQLITE3", "SQLITE3_X64")) {
    WritePayload(form.instance, target);
  }
  WritePayload(form.instance, {"OTHEREXE", dir + kOtherProgramFile});
  WritePayload(form.instance, {"LMTUNINSTALL", dir + kUninstallerFile});

  std::vector<std::string> held;
  const DWORD packageResult = RunDictionaryPackage(dir, &held);
  // Told to quit while the package ran: the program ends here, the package on its own.
  if (packageResult == STILL_ACTIVE) return;
  if (packageResult == kDictionariesHeld) {
    // The dictionaries stay as they were; "开始安装" tries again.
    DeleteFileA((dir + kDictionaryPackageFile).c_str());
    form.installing = false;
    SetButtonsEnabled(form, true);
    ShowMessage(form, HeldMessage(held));
    return;
  }
  const long recovered = RecoveredPhrases(packageResult);
  RunAndWait(dir + kOtherProgramFile);
  SetWindowTextA(form.Button1, "安装完成");
  DeleteFileA((dir + kDictionaryPackageFile).c_str());
  DeleteFileA((dir + kOtherProgramFile).c_str());
  RestoreUserDictionary(dir);
  CreateUninstallShortcut(dir);

  const HKL layout = RegisterModule(form.folders.native + kImeFile);
  form.installing = false;
  SetButtonsEnabled(form, true);
  if (recovered >= 0) {
    ShowMessage(form, kRecoveredBefore + std::to_string(recovered) + kRecoveredAfter);
  }
  if (!layout) {
    ShowMessage(form, kInstallFailed);
    return;
  }
  ShowPicture(form, FinalPicture(form.edition));
  WriteSettings(static_cast<DWORD>(form.initialScheme), dir);
  WriteInstalledProgramsEntry(dir, form.folders);
}

bool WriteSettings(DWORD initialScheme, const std::string& installDir) {
  // The parent is opened for reading and for creating the settings key in it: Windows
  // refuses to create a subkey through a handle opened for reading alone.
  HKEY parent = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsParentKey, 0, KEY_READ | KEY_CREATE_SUB_KEY,
                    &parent) != ERROR_SUCCESS &&
      RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsParentKey, 0, nullptr, 0,
                      KEY_READ | KEY_CREATE_SUB_KEY, nullptr, &parent, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  HKEY key = nullptr;
  const bool opened =
      RegOpenKeyExA(parent, kSettingsKeyName, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS ||
      RegCreateKeyExA(parent, kSettingsKeyName, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                      nullptr) == ERROR_SUCCESS;
  RegCloseKey(parent);
  if (!opened) return false;
  const bool written =
      RegSetValueExA(key, "声型", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&initialScheme),
                     sizeof initialScheme) == ERROR_SUCCESS &&
      RegSetValueExA(key, "SetupDir", 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(installDir.c_str()),
                     static_cast<DWORD>(installDir.size() + 1)) == ERROR_SUCCESS;
  RegCloseKey(key);
  return written;
}
