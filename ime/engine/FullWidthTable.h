// Full-width forms of the printable ASCII characters, for character keys in full-width mode.
#pragma once

#include <string_view>

// The two GBK bytes of the full-width form of ch (0x20-0x7E: the ideographic space for
// Space, U+FF01-U+FF5E for the others); empty for any other byte.
std::string_view FullWidthForm(unsigned char ch);
