// Rules over candidate texts, which come from dictionary rows and are untrusted GBK bytes:
// where a text may be cut, which single characters the GB2312 filter keeps, and how long
// the display text of a candidate record is.
#pragma once

#include <cstddef>
#include <string_view>

constexpr std::size_t kDisplayTextMax = 64;

// True for the first byte of a double-byte character of code page 936.
constexpr bool IsLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

// The length of the longest start of text of at most limit bytes that ends on a character
// boundary and holds no incomplete double-byte character.
std::size_t CharacterPrefixLength(std::string_view text, std::size_t limit);

// The length to which a display text is cut: at most 64 bytes, never inside a double-byte
// character, and without a lead byte whose trail byte is missing.
std::size_t ClipDisplayText(std::string_view text);

// False only for a two-byte text outside the GB2312 Hanzi area (first byte 0xB0-0xF7,
// second 0xA1-0xFE); "，" and "；" always pass.
bool IsGB2312Hanzi(std::string_view text);

// The display text length of a record string (the record after its marker byte): without
// a trailing "\r" + code + "\r", and cut by ClipDisplayText.
std::size_t RecordDisplayLength(std::string_view recordText);
