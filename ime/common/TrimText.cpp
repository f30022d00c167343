#include "ime/common/TrimText.h"

std::string Trimmed(const std::string& text) {
  std::size_t first = 0, end = text.size();
  while (first < end && static_cast<unsigned char>(text[first]) <= ' ') ++first;
  while (end > first && static_cast<unsigned char>(text[end - 1]) <= ' ') --end;
  return text.substr(first, end - first);
}
