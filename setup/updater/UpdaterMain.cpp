// lumatoriup: started by every application that loads the input method, it must cost the
// user nothing. One instance runs at a time and checks at most once a day, and only when an
// update address is configured; it is silent on every failure and shows a window only when
// a newer version exists. It downloads and runs nothing: the notice offers to open the
// download page in the browser.
#include <windows.h>

#include <shellapi.h>

#include <string>

#include "setup/common/FileVersion.h"
#include "setup/common/ProductNames.h"
#include "setup/updater/UpdateCheck.h"

namespace {

const char kInstanceName[] = "Local\\LumatoriUpdater";

void OfferDownload(const UpdateManifest& manifest, VersionNumber installed) {
  const std::string text = "Lumatori输入法有新版本 " + VersionText(manifest.version) +
                           "（您现在使用的是 " + VersionText(installed) +
                           "）。\n\n要打开下载页面吗？\n" + manifest.page;
  if (MessageBoxA(nullptr, text.c_str(), kProductName,
                  MB_YESNO | MB_ICONINFORMATION | MB_SETFOREGROUND) == IDYES) {
    ShellExecuteA(nullptr, "open", manifest.page.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  HANDLE instance = CreateMutexA(nullptr, TRUE, kInstanceName);
  if (!instance || GetLastError() == ERROR_ALREADY_EXISTS) return 0;
  SetPriorityClass(GetCurrentProcess(), BELOW_NORMAL_PRIORITY_CLASS);

  const std::string address = UpdateAddress();
  UpdateManifest manifest;
  const VersionNumber installed = OwnFileVersion();
  if (!address.empty() && ClaimTodaysCheck() &&
      FindNewerVersion(address, installed, &manifest)) {
    OfferDownload(manifest, installed);
  }
  ReleaseMutex(instance);
  CloseHandle(instance);
  return 0;
}
