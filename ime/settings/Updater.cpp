#include "ime/settings/Updater.h"

#include <windows.h>

#include <shellapi.h>

void StartUpdater(const char* path) {
  // No error box: a missing updater must not interrupt the application that loaded us.
  SHELLEXECUTEINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_FLAG_NO_UI;
  info.lpVerb = "open";
  info.lpFile = path;
  info.nShow = SW_SHOW;
  ShellExecuteExA(&info);
}
