#include "setup/installer/ShellOperations.h"

#include <shlobj.h>

#include "setup/common/PathText.h"
#include "setup/common/SystemFolders.h"

namespace {

const char kBrowseTitle[] = "选择安装目录";

std::wstring Wide(const std::string& text) {
  const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
  std::wstring wide(length > 0 ? static_cast<size_t>(length) : 1, L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
  return wide;
}

// Waits for process while the calling thread's windows are repainted. Told to quit, it
// waits no longer: the program is ending and shows nothing to wait behind, and the process
// finishes on its own.
void WaitPainting(HANDLE process) {
  while (MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_ALLINPUT) ==
         WAIT_OBJECT_0 + 1) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        return;
      }
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
}

int CALLBACK BrowseCallback(HWND dialog, UINT message, LPARAM, LPARAM data) {
  if (message == BFFM_INITIALIZED && data) SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, data);
  return 0;
}

// The root of the folder tree: "my computer" when the shell knows the name, else the desktop.
LPITEMIDLIST BrowseRoot() {
  IShellFolder* desktop = nullptr;
  if (FAILED(SHGetDesktopFolder(&desktop))) return nullptr;
  wchar_t name[] = L"my computer";
  LPITEMIDLIST root = nullptr;
  if (FAILED(desktop->ParseDisplayName(nullptr, nullptr, name, nullptr, &root, nullptr))) {
    root = nullptr;
  }
  desktop->Release();
  return root;
}

}  // namespace

DWORD RunAndWait(const std::string& file) {
  if (!FileExists(file)) return 0;
  SetCurrentDirectoryA(FolderOf(file).c_str());
  // The file is named as the program to run and quoted on the command line, so a path with
  // spaces cannot start another program.
  std::string commandLine = "\"" + file + "\"";
  // The program gets no console window at all rather than a hidden one: a show state of
  // SW_HIDE would also hide the first window it shows itself (a message waiting for an
  // answer), which the installer would then wait for without anyone seeing it.
  STARTUPINFOA startup = {sizeof startup};
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(file.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                      CREATE_NO_WINDOW | NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup,
                      &process)) {
    return 0;
  }
  CloseHandle(process.hThread);
  WaitPainting(process.hProcess);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hProcess);
  return code;
}

bool PauseRepainting(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  for (DWORD passed = 0; passed < milliseconds; passed = GetTickCount() - start) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - passed, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        return false;
      }
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  return true;
}

std::string SpecialFolderPath(int folder) {
  LPITEMIDLIST list = nullptr;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, folder, &list))) return std::string();
  char path[MAX_PATH] = {};
  const bool found = SHGetPathFromIDListA(list, path);
  CoTaskMemFree(list);
  return found ? std::string(path) : std::string();
}

bool CreateShortcut(const std::string& linkPath, const std::string& target,
                    const std::string& workingDir, const std::string& arguments) {
  IShellLinkA* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                              reinterpret_cast<void**>(&link)))) {
    return false;
  }
  bool saved = false;
  IPersistFile* file = nullptr;
  if (SUCCEEDED(link->SetPath(target.c_str())) &&
      SUCCEEDED(link->SetWorkingDirectory(workingDir.c_str())) &&
      (arguments.empty() || SUCCEEDED(link->SetArguments(arguments.c_str()))) &&
      SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    saved = SUCCEEDED(file->Save(Wide(linkPath).c_str(), TRUE));
    file->Release();
  }
  link->Release();
  return saved;
}

bool BrowseForFolder(HWND owner, HWND form, const std::string& current, std::string* chosen) {
  char displayName[MAX_PATH] = {};
  LPITEMIDLIST root = BrowseRoot();
  BROWSEINFOA info = {};
  info.hwndOwner = owner;
  info.pidlRoot = root;
  info.pszDisplayName = displayName;
  info.lpszTitle = kBrowseTitle;
  info.ulFlags = BIF_RETURNONLYFSDIRS;
  info.lpfn = BrowseCallback;
  info.lParam = DirectoryExists(current) ? reinterpret_cast<LPARAM>(current.c_str()) : 0;

  // The installer's windows stay disabled while the dialog is up, and drives without media
  // raise no system error box.
  EnableWindow(form, FALSE);
  const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS);
  LPITEMIDLIST picked = SHBrowseForFolderA(&info);
  SetErrorMode(previousMode);
  EnableWindow(form, TRUE);
  SetForegroundWindow(form);

  bool ok = false;
  if (picked) {
    char path[MAX_PATH] = {};
    ok = SHGetPathFromIDListA(picked, path) && path[0];
    if (ok) *chosen = path;
    CoTaskMemFree(picked);
  }
  if (root) CoTaskMemFree(root);
  return ok;
}
