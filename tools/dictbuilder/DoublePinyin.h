// Two-letter double pinyin in the Ziranma layout: one key for the initial, one for the
// final; syllables without an initial are typed by their own letters (ai, an, ou), a
// single-letter final doubled (aa, ee, oo) and ang/eng as ah/eg.
#pragma once

#include <string>

namespace dictbuilder {

// False for text that is not a pinyin syllable (lower-case, "v" for u-umlaut).
bool ZiranmaSyllableCode(const std::string& syllable, std::string& code);

}  // namespace dictbuilder
