// The installer as a user meets it: its wizard, a full installation into a new directory
// and typing through the installed module in both architectures, a second installation,
// and the failures it reports. Each test leaves no installation behind.
#include <gtest/gtest.h>
#include <windows.h>

#include <objbase.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "setup/common/ImeLayouts.h"
#include "setup/common/ProductNames.h"
#include "tests/wine/support/InstallationFixture.h"
#include "tests/wine/support/InstallationFootprint.h"

namespace {

// A new directory whose path has spaces and Chinese characters.
const char kNewDirectory[] = "C:\\Program Files\\Lumatori 输入法 测试\\新 目录";

// The build's own file of an architecture (64 or 32 bits).
std::string BuildFile(int bits, const char* name) {
  return BesideThisProgram(bits == static_cast<int>(sizeof(void*) * 8)
                               ? name
                               : (std::string("other-arch\\") + name).c_str());
}

struct ShortcutTarget {
  std::string path;
  std::string workingDir;
};

ShortcutTarget ReadShortcut(const std::string& linkPath) {
  ShortcutTarget target;
  CoInitialize(nullptr);
  IShellLinkA* link = nullptr;
  IPersistFile* file = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link))) &&
      SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    wchar_t wide[MAX_PATH];
    MultiByteToWideChar(CP_ACP, 0, linkPath.c_str(), -1, wide, MAX_PATH);
    char text[MAX_PATH] = {};
    if (SUCCEEDED(file->Load(wide, STGM_READ))) {
      if (SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, 0))) target.path = text;
      if (SUCCEEDED(link->GetWorkingDirectory(text, MAX_PATH))) target.workingDir = text;
    }
  }
  if (file) file->Release();
  if (link) link->Release();
  CoUninitialize();
  return target;
}

std::string ProgramsFolder() {
  char path[MAX_PATH] = {};
  SHGetSpecialFolderPathA(nullptr, path, CSIDL_PROGRAMS, FALSE);
  return path;
}

// Every file the installer writes is the build's, byte for byte.
void ExpectPayloadInPlace(const SystemFolders& folders, const std::string& dir) {
  EXPECT_TRUE(SameFile(folders.native + kImeFile, BuildFile(64, kImeFile)));
  EXPECT_TRUE(SameFile(folders.native + kSqliteFile, BuildFile(64, kSqliteFile)));
  ASSERT_FALSE(folders.x86.empty());
  EXPECT_TRUE(SameFile(folders.x86 + kImeFile, BuildFile(32, kImeFile)));
  EXPECT_TRUE(SameFile(folders.x86 + kSqliteFile, BuildFile(32, kSqliteFile)));
  EXPECT_FALSE(SameFile(folders.native + kImeFile, folders.x86 + kImeFile));
  EXPECT_TRUE(SameFile(folders.windows + "help\\lumatori.chm", BesideThisProgram("lumatori.chm")));
  for (const char* program : {kUpdaterFile, kUninstallerFile}) {
    EXPECT_TRUE(SameFile(dir + "\\" + program, BesideThisProgram(program)));
  }
  // The dictionary package and the absent optional program are gone once they have run.
  EXPECT_FALSE(FileExists(dir + "\\lumatori.exe"));
  EXPECT_FALSE(FileExists(dir + "\\lumatoriother.exe"));
  // The dictionaries, as the build made them.
  WIN32_FIND_DATAA found;
  const std::string built = LMT_DICT_ROOT "/lumatoridb/";
  HANDLE search = FindFirstFileA((built + "*.db").c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  int dictionaries = 0;
  do {
    ++dictionaries;
    EXPECT_TRUE(SameFile(dir + "\\lumatoridb\\" + found.cFileName, built + found.cFileName));
  } while (FindNextFileA(search, &found));
  FindClose(search);
  EXPECT_GT(dictionaries, 20);
}

void ExpectTypedIn(int bits) {
  const ProgramRun run = TypeIn(bits, "\"khlg \" \"wq \"");
  ASSERT_EQ(run.exitCode, 0u) << run.output;
  EXPECT_NE(run.output.find(std::to_string(bits) + "-bit application"), std::string::npos);
  EXPECT_EQ(TypedText(run.output, "khlg "), u8"中国") << run.output;
  EXPECT_EQ(TypedText(run.output, "wq "), u8"中国你") << run.output;
}

TEST_F(SetupTest, WizardInstallsIntoANewDirectoryAndBothArchitecturesType) {
  const std::string dir = kNewDirectory;
  WizardDriver wizard;
  ASSERT_TRUE(wizard.Start(setupFile));
  EXPECT_EQ(WizardDriver::Text(wizard.Form()), "Lumatori输入法(1.0.0.0)版安装程序——字型词组");
  EXPECT_EQ(WizardDriver::Text(wizard.Application()), "Lumatori输入法");
  RECT client;
  GetClientRect(wizard.Form(), &client);
  EXPECT_EQ(client.right, 521);
  EXPECT_EQ(client.bottom, 401);

  // The agreement: "下一步" only while "我接受" is checked.
  ASSERT_TRUE(wizard.Click("下一步(&Next)"));
  ASSERT_TRUE(WizardDriver::WaitFor([&] { return wizard.Shows("我拒绝"); }));
  EXPECT_TRUE(wizard.Shows("在安装Lumatori输入法之前，请阅读授权协议："));
  EXPECT_FALSE(wizard.IsEnabled("下一步(&Next)"));
  wizard.Click("我接受");
  EXPECT_TRUE(WizardDriver::WaitFor([&] { return wizard.IsEnabled("下一步(&Next)"); }));
  wizard.Click("我拒绝");
  EXPECT_TRUE(WizardDriver::WaitFor([&] { return !wizard.IsEnabled("下一步(&Next)"); }));
  wizard.Click("我接受");
  ASSERT_TRUE(WizardDriver::WaitFor([&] { return wizard.IsEnabled("下一步(&Next)"); }));

  // This edition's third page is the directory page.
  wizard.Click("下一步(&Next)");
  ASSERT_TRUE(WizardDriver::WaitFor([&] { return wizard.Shows("开始安装"); }));
  EXPECT_TRUE(wizard.Shows("请选择安装目录："));
  EXPECT_EQ(wizard.Directory(), "d:\\Program Files\\Lumatori输入法");
  wizard.TypeDirectory(dir);
  wizard.Click("开始安装");
  ASSERT_TRUE(wizard.WaitForInstallation());
  ASSERT_FALSE(wizard.MessageShown()) << wizard.WaitForMessage();
  wizard.Click("安装完成");
  ASSERT_TRUE(wizard.WaitForExit());

  ExpectPayloadInPlace(folders, dir);
  EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, kSettingsKey, "SetupDir"), dir + "\\");
  DWORD scheme = 7;
  DWORD size = sizeof scheme;
  EXPECT_EQ(RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, "声型", RRF_RT_REG_DWORD, nullptr,
                         &scheme, &size),
            ERROR_SUCCESS);
  EXPECT_EQ(scheme, 0u);
  const ShortcutTarget shortcut =
      ReadShortcut(ProgramsFolder() + "\\Lumatori输入法\\卸载Lumatori输入法.lnk");
  EXPECT_EQ(shortcut.path, dir + "\\lmtuninstall.exe");
  EXPECT_EQ(shortcut.workingDir, dir + "\\");
  EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, kUninstallEntryKey, "DisplayName", KEY_WOW64_32KEY),
            "Lumatori输入法");
  EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, kUninstallEntryKey, "UninstallString",
                         KEY_WOW64_32KEY),
            "\"" + dir + "\\lmtuninstall.exe\"");
  EXPECT_EQ(LayoutKeysFor(kImeFile).size(), 1u);

  // A fresh application of each architecture types through the installed module.
  ExpectTypedIn(64);
  if (OtherArchitectureRuns() || sizeof(void*) == 4) {
    ExpectTypedIn(32);
  } else {
    std::printf("[  NOTE    ] this machine cannot run 32-bit programs under Wine: the 32-bit "
                "module was installed but not typed through\n");
  }

  // A second installation over the first registers no second layout.
  Install(dir);
  EXPECT_EQ(LayoutKeysFor(kImeFile).size(), 1u);
  ExpectPayloadInPlace(folders, dir);
  ExpectTypedIn(64);

  Uninstall(dir);
  EXPECT_TRUE(LayoutKeysFor(kImeFile).empty());
}

// Installing again and again into one directory: each pass reaches "安装完成", and the
// installer ends when it is clicked, never running on without its window.
TEST_F(SetupTest, TenInstallationsInARowIntoOneDirectoryEachFinish) {
  const std::string dir = "C:\\Lumatori 重装测试";
  for (int pass = 1; pass <= 10; ++pass) {
    WizardDriver wizard;
    ASSERT_EQ(InstallThroughWizard(wizard, dir), "") << "pass " << pass;
    ASSERT_TRUE(wizard.Click("安装完成")) << "pass " << pass << ": " << wizard.Windows();
    ASSERT_TRUE(wizard.WaitForExit()) << "pass " << pass << ": " << wizard.Windows();
  }
  EXPECT_EQ(LayoutKeysFor(kImeFile).size(), 1u);
  Uninstall(dir);
}

// The application window is what a window manager or a task bar minimizes; the wizard stays
// on the screen and goes on working, since the owner of no size could not bring it back.
TEST_F(SetupTest, MinimizedApplicationWindowLeavesTheWizardShown) {
  WizardDriver wizard;
  ASSERT_TRUE(wizard.Start(setupFile));
  SendMessageA(wizard.Application(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  ASSERT_TRUE(IsIconic(wizard.Application()));
  EXPECT_TRUE(IsWindowVisible(wizard.Form())) << wizard.Windows();
  ASSERT_TRUE(wizard.Click("下一步(&Next)"));
  EXPECT_TRUE(WizardDriver::WaitFor([&] { return wizard.Shows("我接受"); })) << wizard.Windows();
  wizard.Click("取消");
  EXPECT_TRUE(wizard.WaitForExit()) << wizard.Windows();
}

// A dictionary package that does not end: a copy of the installer, which waits for its
// user, stands in the package's place, held against writing so that the installer leaves it
// there. Stand-ins still running are ended with the object.
class PackageThatDoesNotEnd {
 public:
  PackageThatDoesNotEnd(const std::string& setupFile, const std::string& dir)
      : path_(dir + "\\lumatori.exe") {
    CreateDirectoryA(dir.c_str(), nullptr);
    if (CopyFileA(setupFile.c_str(), path_.c_str(), FALSE)) {
      held_ = CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                          0, nullptr);
    }
  }
  ~PackageThatDoesNotEnd() {
    for (DWORD id : Running()) {
      if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
        TerminateProcess(process, 1);
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
      }
    }
    if (held_ != INVALID_HANDLE_VALUE) CloseHandle(held_);
    WizardDriver::WaitFor([&] { return DeleteFileA(path_.c_str()) != 0; });
  }

  bool InPlace() const { return held_ != INVALID_HANDLE_VALUE; }

  // The processes of the stand-in.
  static std::vector<DWORD> Running() {
    std::vector<DWORD> ids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry = {sizeof entry};
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry)) {
      if (lstrcmpiA(entry.szExeFile, "lumatori.exe") == 0) ids.push_back(entry.th32ProcessID);
    }
    CloseHandle(snapshot);
    return ids;
  }

 private:
  std::string path_;
  HANDLE held_ = INVALID_HANDLE_VALUE;
};

void TellToQuit(const WizardDriver& wizard) {
  PostThreadMessageA(GetWindowThreadProcessId(wizard.Form(), nullptr), WM_QUIT, 0, 0);
}

// Told to quit while the dictionary package does not end, the installer ends at once
// instead of waiting on without a working window.
TEST_F(SetupTest, InstallerToldToQuitDoesNotWaitForThePackage) {
  const std::string dir = "C:\\Lumatori 退出测试";
  WizardDriver wizard;
  {
    PackageThatDoesNotEnd package(setupFile, dir);
    ASSERT_TRUE(package.InPlace());
    ASSERT_EQ(WalkToDirectoryPage(wizard, dir), "");
    wizard.Click("开始安装");
    ASSERT_TRUE(WizardDriver::WaitFor([] { return !PackageThatDoesNotEnd::Running().empty(); }));
    TellToQuit(wizard);
    EXPECT_TRUE(wizard.WaitForExit(10000)) << wizard.Windows();
  }
  wizard.WaitForExit();
  Uninstall(dir);
}

// Another program clicks "开始安装" while the installation waits for the dictionary package:
// the disabled button starts no second installation inside the first.
TEST_F(SetupTest, ClickSentDuringTheInstallationStartsNoSecondOne) {
  const std::string dir = "C:\\Lumatori 重复点击测试";
  WizardDriver wizard;
  {
    PackageThatDoesNotEnd package(setupFile, dir);
    ASSERT_TRUE(package.InPlace());
    ASSERT_EQ(WalkToDirectoryPage(wizard, dir), "");
    const HWND field = wizard.Part("", "Edit");
    const HWND start = wizard.Part("开始安装");
    wizard.Click("开始安装");
    ASSERT_TRUE(WizardDriver::WaitFor([] { return !PackageThatDoesNotEnd::Running().empty(); }));
    PostMessageA(wizard.Form(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                 reinterpret_cast<LPARAM>(start));
    // A character posted after the click shows in the field once the click has been handled.
    PostMessageA(field, WM_CHAR, '!', 0);
    ASSERT_TRUE(WizardDriver::WaitFor(
        [&] { return WizardDriver::Text(field).find('!') != std::string::npos; }));
    EXPECT_EQ(PackageThatDoesNotEnd::Running().size(), 1u);
    TellToQuit(wizard);
  }
  wizard.WaitForExit();
  Uninstall(dir);
}

// A reinstallation over a user dictionary that no longer opens keeps it, untouched, beside
// the fresh one under a dated name, and the wizard says how many phrases it recovered.
TEST_F(SetupTest, ReinstallationOverADamagedUserDictionaryKeepsItAndSaysWhatItRecovered) {
  const std::string dir = "C:\\Lumatori 词库损坏测试";
  const std::string folder = dir + "\\lumatoridb\\";
  const std::string damaged(8192, 'x');
  Install(dir);
  std::ofstream(folder + "lmtsys_User.db", std::ios::binary | std::ios::trunc) << damaged;

  WizardDriver wizard;
  EXPECT_EQ(InstallThroughWizard(wizard, dir),
            "用户词库已损坏，原文件已另存于词库目录；从中恢复了0个词组。");
  ASSERT_TRUE(wizard.CloseMessage());
  ASSERT_TRUE(wizard.WaitForInstallation());
  wizard.Click("安装完成");
  ASSERT_TRUE(wizard.WaitForExit());

  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "lmtsys_User.damaged-*.db").c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  FindClose(search);
  const std::string copy = folder + found.cFileName;
  EXPECT_EQ(ReadWholeFile(copy), damaged);
  EXPECT_NE(ReadWholeFile(folder + "lmtsys_User.db"), damaged);
  Uninstall(dir);
  DeleteFileA(copy.c_str());
  RemoveDirectoryA(folder.c_str());
  RemoveDirectoryA(dir.c_str());
}

// A copy of the installer whose edition byte says otherwise, as another edition carries it.
std::string InstallerOfEdition(const std::string& setupFile, char edition) {
  char folder[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  const std::string copy = std::string(folder) + "lmtsetup-edition" + edition + ".exe";
  if (!CopyFileA(setupFile.c_str(), copy.c_str(), FALSE)) return "";
  HANDLE update = BeginUpdateResourceA(copy.c_str(), FALSE);
  if (!update ||
      !UpdateResourceA(update, MAKEINTRESOURCEA(10) /* RT_RCDATA */, "SETUPTYPE",
                       MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED), &edition, 1) ||
      !EndUpdateResourceA(update, FALSE)) {
    return "";
  }
  return copy;
}

TEST_F(SetupTest, NothingIsWrittenBeforeStartAndEachEditionHasItsPages) {
  const std::vector<std::string> before = InstallationFootprint();
  {
    WizardDriver wizard;
    ASSERT_TRUE(wizard.Start(setupFile));
    wizard.Click("下一步(&Next)");
    WizardDriver::WaitFor([&] { return wizard.Shows("我接受"); });
    wizard.Click("我接受");
    WizardDriver::WaitFor([&] { return wizard.IsEnabled("下一步(&Next)"); });
    wizard.Click("下一步(&Next)");
    ASSERT_TRUE(WizardDriver::WaitFor([&] { return wizard.Shows("开始安装"); }));
    EXPECT_EQ(FootprintChanges(before, InstallationFootprint()), std::vector<std::string>());
    wizard.Click("取消");
    ASSERT_TRUE(wizard.WaitForExit());
  }
  EXPECT_EQ(FootprintChanges(before, InstallationFootprint()), std::vector<std::string>());

  // Edition 0 shows both schemes' pages: its directory page is the fourth.
  const std::string edition0 = InstallerOfEdition(setupFile, '0');
  ASSERT_FALSE(edition0.empty());
  WizardDriver wizard;
  ASSERT_TRUE(wizard.Start(edition0));
  EXPECT_EQ(WizardDriver::Text(wizard.Form()), "Lumatori输入法(1.0.0.0)版安装程序");
  wizard.Click("下一步(&Next)");
  WizardDriver::WaitFor([&] { return wizard.Shows("我接受"); });
  wizard.Click("我接受");
  WizardDriver::WaitFor([&] { return wizard.IsEnabled("下一步(&Next)"); });
  wizard.Click("下一步(&Next)");
  ASSERT_TRUE(WizardDriver::WaitFor([&] { return !wizard.Shows("我接受"); }));
  EXPECT_FALSE(wizard.Shows("开始安装"));
  EXPECT_FALSE(wizard.Shows("请选择安装目录："));
  wizard.Click("下一步(&Next)");
  EXPECT_TRUE(WizardDriver::WaitFor([&] { return wizard.Shows("开始安装"); }));
  EXPECT_TRUE(wizard.Shows("请选择安装目录："));
  wizard.Click("取消");
  EXPECT_TRUE(wizard.WaitForExit());
  DeleteFileA(edition0.c_str());
}

// Wine has no drive D:, so the default directory cannot be created.
TEST_F(SetupTest, DirectoryThatCannotBeCreatedStopsTheInstallation) {
  WizardDriver wizard;
  EXPECT_EQ(InstallThroughWizard(wizard, "d:\\Program Files\\Lumatori输入法"),
            "无法创建安装目录d:\\Program Files\\Lumatori输入法");
  ASSERT_TRUE(wizard.CloseMessage());
  EXPECT_FALSE(wizard.IsEnabled("开始安装"));
  EXPECT_FALSE(wizard.IsEnabled("取消"));
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kSettingsKey));
  EXPECT_TRUE(LayoutKeysFor(kImeFile).empty());
  PostMessageA(wizard.Form(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(wizard.WaitForExit());
  // The module files it wrote first stay, as after any stopped installation.
  NativeFileSystem native;
  for (const std::string& dir : {folders.native, folders.x86}) DeleteFileA((dir + kImeFile).c_str());
}

// An application holds the 32-bit module of an earlier installation, which the installer
// writes after the 64-bit one: neither is replaced, nothing else is written.
TEST_F(SetupTest, ModuleHeldByAnApplicationStopsTheInstallationUntilItIsReleased) {
  const std::string dir = "C:\\Lumatori 占用测试";
  const std::string native = folders.native + kImeFile;
  const std::string held = folders.x86 + kImeFile;
  const std::string earlier = "an earlier 64-bit module";
  {
    NativeFileSystem system;
    std::ofstream(native, std::ios::binary) << earlier;
    ASSERT_TRUE(CopyFileA(BuildFile(32, kImeFile).c_str(), held.c_str(), FALSE));
  }
  HMODULE module = LoadLibraryExA(held.c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_NE(module, nullptr);
  const std::vector<std::string> before = InstallationFootprint();

  WizardDriver wizard;
  EXPECT_EQ(InstallThroughWizard(wizard, dir), "输入法文件不存在，请重新下载安装程序安装");
  ASSERT_TRUE(wizard.CloseMessage());
  EXPECT_EQ(FootprintChanges(before, InstallationFootprint()), std::vector<std::string>());
  EXPECT_TRUE(ReadWholeFile(native) == earlier);
  EXPECT_TRUE(wizard.IsEnabled("开始安装"));

  // Once the application has let the module go, "开始安装" installs.
  FreeLibrary(module);
  wizard.Click("开始安装");
  ASSERT_TRUE(wizard.WaitForInstallation());
  ASSERT_FALSE(wizard.MessageShown()) << wizard.WaitForMessage();
  EXPECT_TRUE(SameFile(native, BuildFile(64, kImeFile)));
  EXPECT_TRUE(SameFile(held, BuildFile(32, kImeFile)));
  wizard.Click("安装完成");
  EXPECT_TRUE(wizard.WaitForExit());
  Uninstall(dir);
}

// Keyboard-layout keys for every identifier ImmInstallIMEA could give the user's language,
// so that it finds no free one; removed again when the test ends.
class AllLayoutSlotsTaken {
 public:
  AllLayoutSlotsTaken() {
    const LCID language = GetUserDefaultLCID() & 0xFFFF;
    for (DWORD slot = 0xE000; slot <= 0xEFFF; ++slot) {
      char name[16];
      std::snprintf(name, sizeof name, "%08lX", (slot << 16) | language);
      const std::string key = std::string(kKeyboardLayoutsKey) + "\\" + name;
      HKEY created;
      DWORD disposition = 0;
      if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                          &created, &disposition) == ERROR_SUCCESS) {
        RegCloseKey(created);
        if (disposition == REG_CREATED_NEW_KEY) keys_.push_back(key);
      }
    }
  }
  ~AllLayoutSlotsTaken() {
    for (const std::string& key : keys_) RegDeleteKeyA(HKEY_LOCAL_MACHINE, key.c_str());
  }

 private:
  std::vector<std::string> keys_;
};

TEST_F(SetupTest, FailedRegistrationSaysInstallFailedAndWritesNoSettings) {
  const std::string dir = "C:\\Lumatori 注册失败测试";
  {
    AllLayoutSlotsTaken slots;
    WizardDriver wizard;
    EXPECT_EQ(InstallThroughWizard(wizard, dir), "安装失败");
    ASSERT_TRUE(wizard.CloseMessage());
    EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kSettingsKey));
    EXPECT_FALSE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallEntryKey, KEY_WOW64_32KEY));
    // What was written so far stays; "安装完成" ends the program.
    EXPECT_TRUE(FileExists(dir + "\\lmtuninstall.exe"));
    EXPECT_TRUE(wizard.IsEnabled("安装完成"));
    wizard.Click("安装完成");
    EXPECT_TRUE(wizard.WaitForExit());
  }
  Uninstall(dir);
}

}  // namespace
