// The main job's driver: runs the installer and goes through its wizard as a user does —
// "下一步", "我接受", "下一步", the installation directory, "开始安装" — keeps a screenshot of
// the last page and ends the installer with "安装完成".
//   lmt_setup_driver SETUP_FILE INSTALL_DIR SCREENSHOT.bmp
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/wine/support/Screenshot.h"
#include "tests/wine/support/WizardDriver.h"

namespace {

std::string Utf8(const std::string& ansi) {
  wchar_t wide[1024] = {};
  char utf8[2048] = {};
  MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, wide, 1024);
  WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof utf8, nullptr, nullptr);
  return utf8;
}

bool Step(WizardDriver& wizard, const char* button, const char* expected) {
  if (!wizard.Click(button)) {
    std::printf("the button \"%s\" is not shown\n", Utf8(button).c_str());
    return false;
  }
  if (!WizardDriver::WaitFor([&] { return wizard.IsEnabled(expected); })) {
    std::printf("after \"%s\" the wizard does not show \"%s\"\n", Utf8(button).c_str(),
                Utf8(expected).c_str());
    return false;
  }
  std::printf("clicked \"%s\" -> the wizard shows \"%s\"\n", Utf8(button).c_str(),
              Utf8(expected).c_str());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: lmt_setup_driver SETUP_FILE INSTALL_DIR SCREENSHOT.bmp\n");
    return 2;
  }
  WizardDriver wizard;
  if (!wizard.Start(argv[1])) {
    std::printf("the installer's window did not appear\n");
    return 1;
  }
  std::printf("installer window: %s (task bar: %s)\n",
              Utf8(WizardDriver::Text(wizard.Form())).c_str(),
              Utf8(WizardDriver::Text(wizard.Application())).c_str());
  if (!Step(wizard, "下一步(&Next)", "在安装Lumatori输入法之前，请阅读授权协议：") ||
      !Step(wizard, "我接受", "下一步(&Next)") ||
      !Step(wizard, "下一步(&Next)", "开始安装")) {
    return 1;
  }
  wizard.TypeDirectory(argv[2]);
  std::printf("typed the directory %s\n", Utf8(wizard.Directory()).c_str());
  wizard.Click("开始安装");
  if (!wizard.WaitForInstallation()) {
    std::printf("the installation did not end\n");
    return 1;
  }
  if (wizard.MessageShown()) {
    std::printf("the installer says: %s\n", Utf8(wizard.WaitForMessage()).c_str());
    return 1;
  }
  std::printf("clicked \"%s\" -> the wizard shows \"%s\"\n", Utf8("开始安装").c_str(),
              Utf8("安装完成").c_str());
  Pump(500);
  if (!SaveBmp(CaptureScreen(AroundWindow(wizard.Form(), 0)), argv[3])) {
    std::printf("the screenshot could not be saved\n");
  }
  wizard.Click("安装完成");
  if (!wizard.WaitForExit()) {
    std::printf("the installer did not end\n");
    return 1;
  }
  std::printf("clicked \"%s\" -> the installer has ended\n", Utf8("安装完成").c_str());
  return 0;
}
