// The uninstaller: it asks first; it removes everything the installation wrote except the
// user's phrases, which the next installation brings back.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "setup/common/ImeLayouts.h"
#include "setup/common/ProductNames.h"
#include "tests/wine/support/InstallationFixture.h"
#include "tests/wine/support/InstallationFootprint.h"

namespace {

const char kSubstitute[] = "d0010804";

void SetText(const char* key, const char* name, const std::string& text) {
  HKEY opened;
  RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &opened,
                  nullptr);
  RegSetValueExA(opened, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                 static_cast<DWORD>(text.size() + 1));
  RegCloseKey(opened);
}

// The layouts the user loads at logon, as Windows lists them once the input method has been
// chosen: the module's, through a substitute and directly, before the user's English one.
void ListLayoutForTheUser(const std::string& layout) {
  SetText("Keyboard Layout\\Substitutes", kSubstitute, layout);
  SetText("Keyboard Layout\\Preload", "2", kSubstitute);
  SetText("Keyboard Layout\\Preload", "3", layout);
  SetText("Keyboard Layout\\Preload", "4", "00000409");
}

TEST_F(SetupTest, UninstallKeepsThePhrasesAndLeavesNothingElse) {
  const std::string dir = "C:\\Lumatori 卸载测试";
  // The user's layouts: Wine's own first (it writes it at each start), then English.
  SetText("Keyboard Layout\\Substitutes", "d0010409", "00000409");
  SetText("Keyboard Layout\\Preload", "2", "00000409");
  Restart();
  const std::vector<std::string> before = InstallationFootprint();

  Install(dir);
  ASSERT_EQ(LayoutKeysFor(kImeFile).size(), 1u);
  const std::string layout = LayoutKeysFor(kImeFile).front();
  ListLayoutForTheUser(layout);
  const ProgramRun phrase = TypeIn(64, "--phrase lmtr 路马托里 \"lmtr \"");
  ASSERT_EQ(phrase.exitCode, 0u) << phrase.output;
  EXPECT_EQ(TypedText(phrase.output, "lmtr "), u8"路马托里");

  // Asked first, the user can say no: nothing is removed.
  const std::vector<std::string> installed = InstallationFootprint();
  {
    WizardDriver uninstaller;
    ASSERT_TRUE(uninstaller.StartProgram("\"" + dir + "\\lmtuninstall.exe\""));
    EXPECT_NE(uninstaller.WaitForMessage().find("确实要卸载Lumatori输入法吗"), std::string::npos);
    ASSERT_TRUE(uninstaller.CloseMessage(IDNO));
    ASSERT_TRUE(uninstaller.WaitForExit());
    EXPECT_EQ(uninstaller.ExitCode(), 1u);
  }
  EXPECT_EQ(FootprintChanges(installed, InstallationFootprint()), std::vector<std::string>());

  // Removed, and the session restarted: what is left is the user's phrases, kept for the
  // next installation, and the backup of the user dictionary that adding the phrase made.
  // The user's own layouts keep their order.
  Uninstall(dir);
  const std::vector<std::string> changes = FootprintChanges(before, InstallationFootprint());
  ASSERT_EQ(changes.size(), 4u) << testing::PrintToString(changes);
  EXPECT_EQ(changes[0], dir + "\\");
  EXPECT_EQ(changes[1], dir + "\\lumatoridb\\");
  SYSTEMTIME now = {};
  GetLocalTime(&now);
  char name[64];
  wsprintfA(name, "\\lumatoridb\\lmtsys_User.%04d%02d%02d.bak", now.wYear, now.wMonth, now.wDay);
  const std::string backup = dir + name;
  EXPECT_EQ(changes[2].rfind(backup + " ", 0), 0u) << changes[2];
  EXPECT_EQ(changes[3].rfind(dir + "\\lumatoridb\\lmtsys_userbak.db ", 0), 0u) << changes[3];

  // Installed again, the phrase is typed again.
  Install(dir);
  EXPECT_FALSE(FileExists(dir + "\\lumatoridb\\lmtsys_userbak.db"));
  const ProgramRun typed = TypeIn(64, "\"lmtr \"");
  ASSERT_EQ(typed.exitCode, 0u) << typed.output;
  EXPECT_EQ(TypedText(typed.output, "lmtr "), u8"路马托里");

  // Without phrases or backups to keep, nothing at all stays.
  ASSERT_TRUE(DeleteFileA((dir + "\\lumatoridb\\lmtsys_User.db").c_str()));
  ASSERT_TRUE(DeleteFileA(backup.c_str()));
  Uninstall(dir);
  EXPECT_EQ(FootprintChanges(before, InstallationFootprint()), std::vector<std::string>());
}

}  // namespace
