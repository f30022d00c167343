#include "ime/dictionary/PhraseCodeRule.h"

namespace {

// The first `count` letters of a code, fewer when the code is shorter.
std::string Head(const std::string& code, size_t count) {
  return code.substr(0, count);
}

std::string Last(const std::string& code) {
  return code.empty() ? std::string() : code.substr(code.size() - 1);
}

std::string SxPhraseCode(const std::vector<std::string>& c) {
  const size_t n = c.size();
  if (n == 2) return Head(c[0], 2) + Head(c[1], 2) + Last(c[1]);
  if (n == 3) return Head(c[0], 2) + Head(c[1], 1) + Head(c[2], 2) + Last(c[2]);
  if (n == 4) return Head(c[0], 2) + Head(c[1], 1) + Head(c[2], 1) + Head(c[3], 2);
  // Five or more: two letters of the first, then one of each up to the seventh.
  std::string code = Head(c[0], 2);
  for (size_t i = 1; i < n && i < 7; ++i) code += Head(c[i], 1);
  return code;
}

std::string ZxPhraseCode(const std::vector<std::string>& c) {
  const size_t n = c.size();
  if (n == 2) return Head(c[0], 2) + Head(c[1], 2);
  if (n == 3) return Head(c[0], 1) + Head(c[1], 1) + Head(c[2], 2);
  return Head(c[0], 1) + Head(c[1], 1) + Head(c[2], 1) + Last(c[n - 1]);
}

}  // namespace

bool IsSchemeCode(const std::string& code, CodeScheme scheme) {
  if (code.empty() || code.size() > MaxCodeLength(scheme)) return false;
  for (const char c : code) {
    const bool letter = c >= 'a' && c <= 'z';
    const bool punctuation = scheme == CodeScheme::zx && (c == ',' || c == ';');
    if (!letter && !punctuation) return false;
  }
  return true;
}

std::string PhraseCodeFromCharacterCodes(const std::vector<std::string>& characterCodes,
                                         CodeScheme scheme) {
  if (characterCodes.empty()) return std::string();
  if (characterCodes.size() == 1) return characterCodes[0];
  return scheme == CodeScheme::sx ? SxPhraseCode(characterCodes)
                                  : ZxPhraseCode(characterCodes);
}
