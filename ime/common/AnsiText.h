#pragma once

#include <string>
#include <string_view>

// Converts text in the ANSI code page (GBK) to UTF-8, through UTF-16. Bytes that are not
// valid in the code page become U+FFFD; the conversion never fails.
std::string AnsiToUtf8(const std::string& ansi);

// Converts UTF-16 text to the ANSI code page (GBK). False, with ansi unspecified, when some
// character has no form there (or a surrogate is unpaired): nothing is replaced by a guess.
bool Utf16ToAnsi(std::u16string_view wide, std::string& ansi);
