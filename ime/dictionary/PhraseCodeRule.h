// The rule that builds a phrase's code from the codes of its characters. Shared by the
// module (codes of a user's phrase) and the dictionary builder (codes of system phrases),
// so that both follow one rule.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class CodeScheme { sx, zx };

constexpr std::uint16_t kSxMaxCodeLength = 8;
constexpr std::uint16_t kZxMaxCodeLength = 4;

// The code length of a scheme: 8 letters for sx, 4 for zx.
constexpr std::uint16_t MaxCodeLength(CodeScheme scheme) {
  return scheme == CodeScheme::sx ? kSxMaxCodeLength : kZxMaxCodeLength;
}

// The codes a scheme can type: sx letters a-z, up to 8; zx letters a-z and "," ";", up
// to 4 (the composing keys of each scheme).
bool IsSchemeCode(const std::string& code, CodeScheme scheme);

// characterCodes: the code of each character of the phrase, in phrase order (a repeated
// character appears once per occurrence). Codes are byte strings; a "letter" is one byte.
// Returns the phrase code: empty for no characters, the whole code for one character,
// at most 8 letters (sx) or 4 letters (zx) for two or more.
std::string PhraseCodeFromCharacterCodes(const std::vector<std::string>& characterCodes,
                                         CodeScheme scheme);
