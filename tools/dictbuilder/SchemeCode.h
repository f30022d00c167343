// The codes each scheme can type: sx letters a-z, up to 8; zx letters a-z and "," ";",
// up to 4 (the composing keys of each scheme).
#pragma once

#include <string>

#include "ime/dictionary/PhraseCodeRule.h"

namespace dictbuilder {

size_t MaxCodeLength(CodeScheme scheme);
bool IsSchemeCode(const std::string& code, CodeScheme scheme);

}  // namespace dictbuilder
