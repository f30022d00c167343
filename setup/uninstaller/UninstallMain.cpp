// lmtuninstall: removes Lumatori输入法 from this computer. "/S" removes it without asking
// and without messages (for tests and administrators).
#include <windows.h>

#include <string>

#include "setup/common/PathText.h"
#include "setup/common/ProductNames.h"
#include "setup/uninstaller/Uninstall.h"

namespace {

bool Silent(const char* commandLine) {
  for (const char* p = commandLine; *p; ++p) {
    if ((p[0] == '/' || p[0] == '-') && (p[1] == 'S' || p[1] == 's') &&
        (p[2] == '\0' || p[2] == ' ')) {
      return true;
    }
  }
  return false;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  const bool silent = Silent(commandLine);
  if (!silent && MessageBoxA(nullptr,
                             "确实要卸载Lumatori输入法吗？\n\n您添加的词语会保留下来，"
                             "再次安装时自动恢复。",
                             kProductName, MB_YESNO | MB_ICONQUESTION) != IDYES) {
    return 1;
  }
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return 2;
  // Started from its shortcut, the uninstaller's current directory is the installation
  // directory, which Windows does not remove while a program stands in it.
  char temp[MAX_PATH];
  const DWORD tempLength = GetTempPathA(MAX_PATH, temp);
  if (tempLength > 0 && tempLength < MAX_PATH) SetCurrentDirectoryA(temp);
  const bool held = Uninstall(instance, FolderOf(path));
  if (!silent) {
    MessageBoxA(nullptr,
                held
                    ? "Lumatori输入法已经卸载。正在使用的文件将在计算机重新启动后删除。"
                    : "Lumatori输入法已经卸载。",
                kProductName, MB_OK | MB_ICONINFORMATION);
  }
  return 0;
}
