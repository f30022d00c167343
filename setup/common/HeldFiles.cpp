#include "setup/common/HeldFiles.h"

#include <windows.h>

bool FileIsHeld(const std::string& path) {
  // Asking for the right to delete, and sharing everything, conflicts only with an open
  // that does not share deletion, which is exactly what keeps a rename over the file out.
  HANDLE file = CreateFileA(path.c_str(), DELETE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_SHARING_VIOLATION;
  CloseHandle(file);
  return false;
}

std::vector<std::string> HeldFilesIn(const std::string& folder, const char* pattern) {
  std::vector<std::string> held;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + pattern).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return held;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) &&
        FileIsHeld(folder + found.cFileName)) {
      held.push_back(found.cFileName);
    }
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return held;
}
