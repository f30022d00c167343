// The updater as the applications start it: silent without an address, on a failure and
// when nothing is newer; one notice for a newer version from a local server; at most one
// check a day and one instance at a time.
#include <gtest/gtest.h>

#include "tests/wine/support/LocalHttpServer.h"  // before <windows.h>: winsock2 first

#include <windows.h>

#include <string>

#include "setup/common/ProductNames.h"
#include "tests/wine/support/Programs.h"
#include "tests/wine/support/TestRegistry.h"
#include "tests/wine/support/WizardDriver.h"

namespace {

const char kNewer[] = "version=9.1.0.0\npage=http://127.0.0.1/lumatori/download\n";

class UpdaterTest : public testing::Test {
 protected:
  void SetUp() override {
    DeleteKeyTree(kSettingsKeyPath);
    SetString(kSettingsKeyPath, kUpdateAddressValue, server.Address("/lumatori/update.txt"));
  }
  void TearDown() override { DeleteKeyTree(kSettingsKeyPath); }

  std::string updater = "\"" + BesideThisProgram("lumatoriup.exe") + "\"";
  LocalHttpServer server;
};

// An updater run that must end at once without a window: its time in milliseconds.
DWORD SilentRun(const std::string& commandLine) {
  WizardDriver run;
  const DWORD start = GetTickCount();
  EXPECT_TRUE(run.StartProgram(commandLine));
  bool window = false;
  while (!run.WaitForExit(20)) {
    window = window || run.MessageShown();
    if (GetTickCount() - start > 15000) break;
  }
  EXPECT_FALSE(window);
  EXPECT_EQ(run.ExitCode(), 0u);
  return GetTickCount() - start;
}

TEST_F(UpdaterTest, WithoutAnAddressItEndsAtOnceAndAsksNothing) {
  DeleteKeyTree(kSettingsKeyPath);
  server.Answer(200, kNewer);
  EXPECT_LT(SilentRun(updater), 3000u);
  EXPECT_EQ(server.Requests(), 0);
  SetString(kSettingsKeyPath, kUpdateAddressValue, "file:///C:/windows/notepad.exe");
  EXPECT_LT(SilentRun(updater), 3000u);
  EXPECT_EQ(server.Requests(), 0);
}

void ForgetTodaysCheck() {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
    RegDeleteValueA(key, kUpdateCheckDayValue);
    RegCloseKey(key);
  }
}

TEST_F(UpdaterTest, NewerVersionGivesOneNoticeOnceADayFromOneInstance) {
  server.Answer(200, kNewer);
  {
    WizardDriver first;
    ASSERT_TRUE(first.StartProgram(updater));
    const std::string notice = first.WaitForMessage();
    EXPECT_NE(notice.find("9.1.0.0"), std::string::npos) << notice;
    EXPECT_NE(notice.find("http://127.0.0.1/lumatori/download"), std::string::npos) << notice;
    EXPECT_EQ(server.Requests(), 1);
    ASSERT_TRUE(first.CloseMessage(IDNO));
    ASSERT_TRUE(first.WaitForExit());
  }
  // The same day nothing is asked again.
  EXPECT_LT(SilentRun(updater), 3000u);
  EXPECT_EQ(server.Requests(), 1);

  // While a notice is up, another application's updater ends at once, even on a day
  // without a check.
  ForgetTodaysCheck();
  WizardDriver shown;
  ASSERT_TRUE(shown.StartProgram(updater));
  EXPECT_NE(shown.WaitForMessage(), "");
  EXPECT_EQ(server.Requests(), 2);
  ForgetTodaysCheck();
  EXPECT_LT(SilentRun(updater), 3000u);
  EXPECT_EQ(server.Requests(), 2);
  ASSERT_TRUE(shown.CloseMessage(IDNO));
  EXPECT_TRUE(shown.WaitForExit());
}

TEST_F(UpdaterTest, FailuresAndNoNewerVersionStaySilent) {
  const struct {
    int status;
    const char* body;
  } answers[] = {{200, "version=1.0.0.0\npage=http://127.0.0.1/\n"},  // the installed one
                 {404, kNewer},
                 {200, "<html>maintenance</html>"}};
  int requests = 0;
  for (const auto& answer : answers) {
    server.Answer(answer.status, answer.body);
    DeleteKeyTree(kSettingsKeyPath);
    SetString(kSettingsKeyPath, kUpdateAddressValue, server.Address("/update.txt"));
    EXPECT_LT(SilentRun(updater), 10000u) << answer.body;
    EXPECT_EQ(server.Requests(), ++requests) << answer.body;
  }
  // Nothing listens on port 1.
  DeleteKeyTree(kSettingsKeyPath);
  SetString(kSettingsKeyPath, kUpdateAddressValue, "http://127.0.0.1:1/update.txt");
  EXPECT_LT(SilentRun(updater), 10000u);
}

}  // namespace
