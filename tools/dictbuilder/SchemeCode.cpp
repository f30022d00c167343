#include "tools/dictbuilder/SchemeCode.h"

namespace dictbuilder {

size_t MaxCodeLength(CodeScheme scheme) {
  return scheme == CodeScheme::sx ? 8 : 4;
}

bool IsSchemeCode(const std::string& code, CodeScheme scheme) {
  if (code.empty() || code.size() > MaxCodeLength(scheme)) return false;
  for (const char c : code) {
    const bool letter = c >= 'a' && c <= 'z';
    const bool punctuation = scheme == CodeScheme::zx && (c == ',' || c == ';');
    if (!letter && !punctuation) return false;
  }
  return true;
}

}  // namespace dictbuilder
