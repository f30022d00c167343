// The status bar's launchers against real files: what the shell is asked to open. The
// stand-in program leaves a line in "started.log" beside itself each time it runs.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <string>

#include "ime/settings/Globals.h"
#include "ime/settings/Launch.h"
#include "tests/native/KeyedDatabaseFiles.h"
#include "tests/wine/support/Programs.h"
#include "tests/wine/support/TestRegistry.h"

namespace {

// 籠 is GBK BB 5C: its trail byte is the byte of "\".
const char kTrailBackslash[] = "籠";

// Wine reads file associations from the machine's classes only.
const char kTextClassKey[] = "Software\\Classes\\.txt";
const char kTextHandlerKey[] = "Software\\Classes\\LumatoriTestText";

void SetMachineString(const std::string& path, const std::string& value) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>(value.size() + 1));
  RegCloseKey(key);
}

int CountLines(const std::string& path) {
  std::ifstream in(path);
  int lines = 0;
  for (std::string line; std::getline(in, line);) ++lines;
  return lines;
}

// Waits up to 10 s for the log to hold lines, then a little longer so that a further start
// would show too; the lines it holds then.
int WaitForLines(const std::string& log, int lines) {
  for (int i = 0; i < 100 && CountLines(log) < lines; ++i) Sleep(100);
  Sleep(300);
  return CountLines(log);
}

class LaunchTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { InitGlobals(GetModuleHandleA(nullptr)); }
  static void TearDownTestSuite() { FreeGlobals(); }
  void SetUp() override { DeleteKeyTree(kSettingsKeyPath); }
  void TearDown() override {
    DeleteKeyTree(kSettingsKeyPath);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kTextClassKey);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kTextHandlerKey);
  }

  // The stand-in program copied to path.
  static void CopyStandIn(const std::string& path) {
    ASSERT_TRUE(CopyFileA(BesideThisProgram("record_start.exe").c_str(), path.c_str(), FALSE));
  }

  TempFolder folder;
};

TEST_F(LaunchTest, TypingPracticeWhoseNameHoldsA5CTrailByteStarts) {
  const std::string program = folder.File(std::string(kTrailBackslash) + ".exe");
  CopyStandIn(program);
  SetString(kSettingsKeyPath, "打字练习", program);
  LaunchTypingPractice(nullptr);
  EXPECT_EQ(WaitForLines(folder.File("started.log"), 1), 1);
}

// Not installed, the code-lookup button opens nothing, not even a file of that name in the
// current folder; installed, it opens the scheme's file of the dictionary folder.
TEST_F(LaunchTest, CodeLookupFileOpensOnlyFromTheInstallation) {
  const std::string handler = folder.File("viewer.exe");
  CopyStandIn(handler);
  SetMachineString(kTextClassKey, "LumatoriTestText");
  SetMachineString(std::string(kTextHandlerKey) + "\\shell\\open\\command",
                   "\"" + handler + "\" \"%1\"");
  CreateDirectoryA(folder.File("lumatoridb").c_str(), nullptr);
  for (const char* file : {"zxzd.txt", "lumatoridb\\zxzd.txt"}) {
    std::ofstream(folder.File(file)) << "a 工\n";
  }

  char previous[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, previous);
  SetCurrentDirectoryA(folder.File("").c_str());
  LoadSettings();
  EXPECT_FALSE(OpenCodeLookupFile());
  SetCurrentDirectoryA(previous);

  SetString(kSettingsKeyPath, "SetupDir", folder.File(""));
  LoadSettings();
  EXPECT_TRUE(OpenCodeLookupFile());
  EXPECT_EQ(WaitForLines(folder.File("started.log"), 1), 1);
}

}  // namespace
