#include "ime/dictionary/CandidateText.h"

// Characters are found by walking from the start: GBK trail bytes include 0x40-0x7E, so
// a byte below 0x80 is not necessarily a character of its own.
std::size_t CharacterPrefixLength(std::string_view text, std::size_t limit) {
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t width = IsLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1;
    if (end + width > text.size() || end + width > limit) break;
    end += width;
  }
  return end;
}

std::size_t ClipDisplayText(std::string_view text) {
  return CharacterPrefixLength(text, kDisplayTextMax);
}

bool IsGB2312Hanzi(std::string_view text) {
  if (text.size() != 2 || text == "，" || text == "；") return true;
  const auto first = static_cast<unsigned char>(text[0]);
  const auto second = static_cast<unsigned char>(text[1]);
  return first >= 0xB0 && first <= 0xF7 && second >= 0xA1 && second <= 0xFE;
}

std::size_t RecordDisplayLength(std::string_view recordText) {
  std::string_view display = recordText;
  if (!display.empty() && display.back() == '\r') {
    display.remove_suffix(1);
    const std::size_t codeStart = display.rfind('\r');
    display = display.substr(0, codeStart == std::string_view::npos ? display.size() : codeStart);
  }
  return ClipDisplayText(display);
}
