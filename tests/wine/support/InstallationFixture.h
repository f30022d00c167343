// The installation tests' fixture: the installer, the uninstaller and the demo application
// of both architectures run as a user runs them, on a Wine prefix of their own, and what
// they leave read back.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "setup/common/ImeLayouts.h"
#include "setup/common/ProductNames.h"
#include "setup/common/SystemFolders.h"
#include "tests/wine/support/Programs.h"
#include "tests/wine/support/WizardDriver.h"

inline std::string ReadWholeFile(const std::string& path) {
  NativeFileSystem native;
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Whether the file at path holds exactly the bytes of the file at expected.
inline testing::AssertionResult SameFile(const std::string& path, const std::string& expected) {
  const std::string bytes = ReadWholeFile(path);
  const std::string wanted = ReadWholeFile(expected);
  if (!wanted.empty() && bytes == wanted) return testing::AssertionSuccess();
  return testing::AssertionFailure() << path << " (" << bytes.size() << " bytes) is not "
                                     << expected << " (" << wanted.size() << " bytes)";
}

// A registry string value; empty when absent.
inline std::string RegistryText(HKEY root, const char* key, const char* value, REGSAM view = 0) {
  HKEY opened;
  if (RegOpenKeyExA(root, key, 0, KEY_READ | view, &opened) != ERROR_SUCCESS) return "";
  char text[1024] = {};
  DWORD size = sizeof text - 1;
  DWORD type = 0;
  RegQueryValueExA(opened, value, nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
  RegCloseKey(opened);
  return type == REG_SZ ? text : "";
}

inline bool KeyExists(HKEY root, const char* key, REGSAM view = 0) {
  HKEY opened;
  if (RegOpenKeyExA(root, key, 0, KEY_READ | view, &opened) != ERROR_SUCCESS) return false;
  RegCloseKey(opened);
  return true;
}

// What a program printed, and how it ended.
struct ProgramRun {
  bool started = false;
  DWORD exitCode = 999;
  std::string output;
};

// Runs commandLine to its end (at most timeoutMs) with its output in a file.
inline ProgramRun RunCapturing(std::string commandLine, DWORD timeoutMs = 120000) {
  ProgramRun run;
  char folder[MAX_PATH];
  char file[MAX_PATH];
  GetTempPathA(MAX_PATH, folder);
  GetTempFileNameA(folder, "out", 0, file);
  SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
  HANDLE output = CreateFileA(file, GENERIC_WRITE, FILE_SHARE_READ, &inheritable, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  STARTUPINFOA startup = {sizeof startup};
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = output;
  startup.hStdError = output;
  PROCESS_INFORMATION process = {};
  run.started = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                               nullptr, &startup, &process);
  CloseHandle(output);
  if (run.started) {
    if (WaitForSingleObject(process.hProcess, timeoutMs) != WAIT_OBJECT_0) {
      TerminateProcess(process.hProcess, 998);
      WaitForSingleObject(process.hProcess, 5000);
    }
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  run.output = ReadWholeFile(file);
  DeleteFileA(file);
  return run;
}

// The demo application of the given architecture (64 or 32 bits).
inline std::string DemoProgram(int bits) {
  return BesideThisProgram(bits == static_cast<int>(sizeof(void*) * 8) ? "lmt_demo.exe"
                                                                        : "other-arch\\lmt_demo.exe");
}

// What the demo's edit control held after the step, from its output ("" when not found),
// without trailing spaces: a sole candidate commits with the code's last letter, and the
// step's Space then reaches the control.
inline std::string TypedText(const std::string& output, const std::string& step) {
  const std::string marker = "\"" + step + "\"";
  const size_t line = output.find(marker);
  if (line == std::string::npos) return "";
  const size_t arrow = output.find("-> ", line);
  if (arrow == std::string::npos) return "";
  const size_t end = output.find_first_of("\r\n", arrow);
  std::string text = output.substr(arrow + 3, end - arrow - 3);
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

// Whether this machine runs programs of the other architecture under Wine: the demo
// without steps starts and answers 0 or 1.
inline bool OtherArchitectureRuns() {
  const ProgramRun run =
      RunCapturing("\"" + DemoProgram(sizeof(void*) == 8 ? 32 : 64) + "\"", 30000);
  return run.started && run.exitCode <= 1;
}

class SetupTest : public testing::Test {
 protected:
  const std::string setupFile = BesideThisProgram("lmtsetup.exe");
  const SystemFolders folders = FindSystemFolders();

  // A step that fails names itself and what the installer shows at that moment.
  static std::string Failed(const WizardDriver& wizard, const char* step) {
    return std::string(step) + ": " + wizard.Windows();
  }

  // Goes through the wizard of the delivered edition to its directory page and types dir;
  // empty, or the step that failed.
  std::string WalkToDirectoryPage(WizardDriver& wizard, const std::string& dir) {
    const auto failed = [&](const char* step) { return Failed(wizard, step); };
    if (!wizard.Start(setupFile)) return failed("(no wizard)");
    wizard.Click("下一步(&Next)");
    if (!WizardDriver::WaitFor([&] { return wizard.Shows("我接受"); })) {
      return failed("(no agreement)");
    }
    wizard.Click("我接受");
    if (!WizardDriver::WaitFor([&] { return wizard.IsEnabled("下一步(&Next)"); })) {
      return failed("(the agreement was not accepted)");
    }
    wizard.Click("下一步(&Next)");
    if (!WizardDriver::WaitFor([&] { return wizard.Shows("开始安装"); })) {
      return failed("(no directory page)");
    }
    wizard.TypeDirectory(dir);
    return "";
  }

  // Goes through the wizard into dir and starts the installation; the message the installer
  // shows at the end, empty when it finished without one.
  std::string InstallThroughWizard(WizardDriver& wizard, const std::string& dir) {
    const std::string failure = WalkToDirectoryPage(wizard, dir);
    if (!failure.empty()) return failure;
    wizard.Click("开始安装");
    if (!wizard.WaitForInstallation()) return Failed(wizard, "(the installation did not end)");
    return wizard.MessageShown() ? wizard.WaitForMessage() : "";
  }

  // Installs into dir and ends the installer with "安装完成".
  void Install(const std::string& dir) {
    WizardDriver wizard;
    ASSERT_EQ(InstallThroughWizard(wizard, dir), "");
    ASSERT_TRUE(wizard.Click("安装完成"));
    ASSERT_TRUE(wizard.WaitForExit());
  }

  // Runs the installed uninstaller without questions as its shortcut starts it (in the
  // installation directory), then restarts the session so that what waited for the restart
  // (the uninstaller's own file) is gone.
  void Uninstall(const std::string& dir) {
    WizardDriver uninstaller;
    ASSERT_TRUE(uninstaller.StartProgram("\"" + dir + "\\" + kUninstallerFile + "\" /S", dir));
    ASSERT_TRUE(uninstaller.WaitForExit(60000));
    EXPECT_EQ(uninstaller.ExitCode(), 0u);
    Restart();
  }

  static void Restart() { EXPECT_EQ(RunAndWait("wineboot.exe -r", 120000), 0u); }
};

// The demo application of an architecture typing the steps in a fresh process; its output.
inline ProgramRun TypeIn(int bits, const std::string& arguments) {
  return RunCapturing("\"" + DemoProgram(bits) + "\" " + arguments);
}
