#include "tools/dictbuilder/Utf8.h"

namespace dictbuilder {

namespace {

// Length of the sequence that starts at text[pos], or 0 when it is not well-formed
// (overlong forms, surrogates and values above U+10FFFF included).
size_t SequenceLength(const std::string& text, size_t pos) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(pos);
  if (lead < 0x80) return 1;
  size_t length;
  unsigned char low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2;
  else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (pos + length > text.size()) return 0;
  if (byte(pos + 1) < low || byte(pos + 1) > high) return 0;
  for (size_t i = 2; i < length; ++i)
    if (byte(pos + i) < 0x80 || byte(pos + i) > 0xBF) return 0;
  return length;
}

}  // namespace

bool IsValidUtf8(const std::string& text) {
  for (size_t pos = 0; pos < text.size();) {
    const size_t length = SequenceLength(text, pos);
    if (length == 0) return false;
    pos += length;
  }
  return true;
}

std::vector<std::string> SplitUtf8Characters(const std::string& text) {
  std::vector<std::string> characters;
  for (size_t pos = 0; pos < text.size();) {
    size_t length = SequenceLength(text, pos);
    if (length == 0) length = 1;  // callers validate first; never loop forever
    characters.push_back(text.substr(pos, length));
    pos += length;
  }
  return characters;
}

}  // namespace dictbuilder
