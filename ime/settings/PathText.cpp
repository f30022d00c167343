#include "ime/settings/PathText.h"

#include "ime/dictionary/CandidateText.h"

std::size_t LastPathSeparator(std::string_view path) {
  std::size_t last = std::string_view::npos;
  for (std::size_t i = 0; i < path.size();) {
    if (IsLeadByte(static_cast<unsigned char>(path[i])) && i + 1 < path.size()) {
      i += 2;
      continue;
    }
    if (path[i] == '\\' || path[i] == '/') last = i;
    ++i;
  }
  return last;
}

bool EndsWithPathSeparator(std::string_view path) {
  return !path.empty() && LastPathSeparator(path) == path.size() - 1;
}

bool IsAbsolutePath(std::string_view path) {
  const auto separator = [](char c) { return c == '\\' || c == '/'; };
  const bool letter = !path.empty() && ((path[0] >= 'A' && path[0] <= 'Z') ||
                                        (path[0] >= 'a' && path[0] <= 'z'));
  const bool drive = letter && path.size() >= 2 && path[1] == ':' &&
                     (path.size() == 2 || separator(path[2]));
  const bool server = path.size() > 2 && separator(path[0]) && separator(path[1]) &&
                      !separator(path[2]);
  return drive || server;
}
