// Conversion of the input tables' UTF-8 text to the GBK bytes (code page 936) that the
// dictionaries hold.
#pragma once

#include <string>

namespace dictbuilder {

// False when some character has no GBK form (the entry is then dropped).
bool Utf8ToGbk(const std::string& utf8, std::string& gbk);

}  // namespace dictbuilder
