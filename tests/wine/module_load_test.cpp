// The real module attached to processes: its start-up writes the settings, and its first
// use starts the updater once per process.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>
#include <string>

#include "ime/common/ImmDev.h"
#include "tests/native/KeyedDatabaseFiles.h"
#include "tests/wine/support/Programs.h"
#include "tests/wine/support/TestRegistry.h"

namespace {

// Runs this program again with one argument and waits for it.
DWORD RunSelf(const char* argument) {
  return RunAndWait("\"" + BesideThisProgram("module_load_test.exe") + "\" " + argument, 30000);
}

int CountLines(const std::string& path) {
  std::ifstream in(path);
  int lines = 0;
  for (std::string line; std::getline(in, line);) ++lines;
  return lines;
}

TEST(ModuleLoadTest, AttachWritesTheSettingsKeyAndDetachSucceeds) {
  DeleteKeyTree(kSettingsKeyPath);
  HMODULE module = LoadLibraryA(BesideThisProgram("lumatori.ime").c_str());
  ASSERT_NE(module, nullptr);
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_READ, &key), ERROR_SUCCESS);
  DWORD value = 99, size = sizeof value;
  EXPECT_EQ(RegQueryValueExA(key, "竖向排列", nullptr, nullptr, reinterpret_cast<BYTE*>(&value),
                             &size),
            ERROR_SUCCESS);
  EXPECT_EQ(value, 1u);
  size = sizeof value;
  EXPECT_EQ(RegQueryValueExA(key, "声型", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(value, 0u);
  RegCloseKey(key);
  EXPECT_TRUE(FreeLibrary(module));
}

// Not from the loader's notification, where starting a process can hang the application,
// but at the first use; a module unloaded and loaded again does not start it twice.
TEST(ModuleLoadTest, EachProcessStartsTheUpdaterOnceAtItsFirstUse) {
  TempFolder install;
  ASSERT_TRUE(CopyFileA(BesideThisProgram("record_start.exe").c_str(),
                        install.File("lumatoriup.exe").c_str(), FALSE));
  DeleteKeyTree(kSettingsKeyPath);
  SetString(kSettingsKeyPath, "SetupDir", install.File(""));

  EXPECT_EQ(RunSelf("--load-module"), 0u);
  EXPECT_EQ(RunSelf("--use-module-twice"), 0u);
  EXPECT_EQ(RunSelf("--use-module-twice"), 0u);
  const std::string log = install.File("started.log");
  for (int i = 0; i < 100 && CountLines(log) < 2; ++i) Sleep(100);
  Sleep(300);  // a third start, were there one, would show up by now
  EXPECT_EQ(CountLines(log), 2);
  DeleteKeyTree(kSettingsKeyPath);
}

// A file named like the SQLite library in the application's folder is never loaded into it:
// the module loads the library from its own folder.
TEST(ModuleLoadTest, ALibraryNamedLikeTheSqliteLibraryBesideTheApplicationIsNeverLoaded) {
  TempFolder application;
  ASSERT_TRUE(CopyFileA(BesideThisProgram("load_module.exe").c_str(),
                        application.File("load_module.exe").c_str(), FALSE));
  ASSERT_TRUE(CopyFileA(BesideThisProgram("planted_library.dll").c_str(),
                        application.File("lmtdbmanger.dll").c_str(), FALSE));
  EXPECT_EQ(RunAndWait("\"" + application.File("load_module.exe") + "\" \"" +
                           BesideThisProgram("lumatori.ime") + "\"",
                       30000),
            0u);
  EXPECT_EQ(GetFileAttributesA(application.File("planted-loaded").c_str()),
            INVALID_FILE_ATTRIBUTES);
}

TEST(ModuleLoadTest, NotInstalledStartsNothingAndCreatesNothingHere) {
  TempFolder cwd;
  ASSERT_TRUE(CopyFileA(BesideThisProgram("record_start.exe").c_str(),
                        cwd.File("lumatoriup.exe").c_str(), FALSE));
  DeleteKeyTree(kSettingsKeyPath);
  char previous[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, previous);
  SetCurrentDirectoryA(cwd.File("").c_str());
  EXPECT_EQ(RunSelf("--use-module-twice"), 0u);
  SetCurrentDirectoryA(previous);
  Sleep(500);
  EXPECT_EQ(GetFileAttributesA(cwd.File("started.log").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace

// Loads the module and, with use, asks it what the input method manager asks first.
bool LoadModule(bool use) {
  HMODULE module = LoadLibraryA(BesideThisProgram("lumatori.ime").c_str());
  if (!module) return false;
  using Inquire = BOOL(WINAPI*)(LPIMEINFO, LPSTR, DWORD);
  auto inquire = reinterpret_cast<Inquire>(
      reinterpret_cast<void*>(GetProcAddress(module, "ImeInquire")));
  IMEINFO info = {};
  char className[17] = {};
  const bool ok = inquire && (!use || inquire(&info, className, 0));
  FreeLibrary(module);
  return ok;
}

int main(int argc, char** argv) {
  const std::string mode = argc == 2 ? argv[1] : "";
  if (mode == "--load-module") return LoadModule(false) ? 0 : 1;
  if (mode == "--use-module-twice") return LoadModule(true) && LoadModule(true) ? 0 : 1;
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
