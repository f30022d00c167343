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
