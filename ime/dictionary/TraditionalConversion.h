// Simplified/traditional conversion of GBK text for traditional output.
#pragma once

#include <string>

// LCMapStringA with locale 2052. Where the system's conversion does nothing (it leaves a
// known simplified character, or a known traditional one, unconverted), the character
// table made from OpenCC's data is used instead.
std::string ToTraditional(const std::string& text);
std::string ToSimplified(const std::string& text);
