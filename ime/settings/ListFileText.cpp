#include "ime/settings/ListFileText.h"

#include <cstring>

namespace {

constexpr int kMaxSeconds = 86400;
// A shorter interval (a "timeout" of 0) would repaint the query line at every tick.
constexpr int kMinimumIntervalSeconds = 1;

}  // namespace

std::vector<std::string> SplitNames(const char* buffer, std::size_t length) {
  std::vector<std::string> names;
  for (std::size_t i = 0; i < length;) {
    const std::size_t nameLength = strnlen(buffer + i, length - i);
    if (nameLength == 0) break;
    names.emplace_back(buffer + i, nameLength);
    i += nameLength + 1;
  }
  return names;
}

bool ParseSeconds(const std::string& text, int* seconds) {
  if (text.empty()) return false;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
    if (value > kMaxSeconds) return false;
  }
  *seconds = value < kMinimumIntervalSeconds ? kMinimumIntervalSeconds : value;
  return true;
}
