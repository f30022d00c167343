#include "setup/common/VersionNumber.h"

std::string VersionText(VersionNumber version) {
  std::string text;
  for (int shift = 48; shift >= 0; shift -= 16) {
    if (!text.empty()) text += '.';
    text += std::to_string((version >> shift) & 0xFFFF);
  }
  return text;
}

bool ParseVersion(const std::string& text, VersionNumber* version) {
  VersionNumber result = 0;
  int parts = 0;
  size_t i = 0;
  while (true) {
    std::uint32_t part = 0;
    size_t digits = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++digits) {
      part = part * 10 + static_cast<std::uint32_t>(text[i] - '0');
      if (part > 0xFFFF) return false;
    }
    if (digits == 0 || parts == 4) return false;
    result |= static_cast<VersionNumber>(part) << (48 - 16 * parts);
    ++parts;
    if (i == text.size()) break;
    if (text[i] != '.') return false;
    ++i;
  }
  *version = result;
  return true;
}
