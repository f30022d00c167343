#include "setup/common/PathText.h"

#include <windows.h>

bool IsFullPath(const std::string& path) {
  const char drive = static_cast<char>(path.empty() ? 0 : path[0] | 0x20);  // lower case
  const bool driveRoot = path.size() >= 3 && drive >= 'a' && drive <= 'z' && path[1] == ':' &&
                         path[2] == '\\';
  const bool share = path.size() > 2 && path[0] == '\\' && path[1] == '\\';
  return driveRoot || share;
}

std::string::size_type LastSeparator(const std::string& path) {
  std::string::size_type last = std::string::npos;
  for (std::string::size_type i = 0; i < path.size(); ++i) {
    if (IsDBCSLeadByte(static_cast<BYTE>(path[i])) && i + 1 < path.size()) {
      ++i;
    } else if (path[i] == '\\' || path[i] == '/' || path[i] == ':') {
      last = i;
    }
  }
  return last;
}

std::string WithTrailingBackslash(std::string path) {
  const std::string::size_type last = LastSeparator(path);
  if (path.empty() || last != path.size() - 1 || path.back() != '\\') path += '\\';
  return path;
}

std::string FolderOf(const std::string& path) {
  const std::string::size_type last = LastSeparator(path);
  return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

std::string FileNameOf(const std::string& path) {
  const std::string::size_type last = LastSeparator(path);
  return last == std::string::npos ? path : path.substr(last + 1);
}
