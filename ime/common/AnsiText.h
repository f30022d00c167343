#pragma once

#include <string>

// Converts text in the ANSI code page (GBK) to UTF-8, through UTF-16. Bytes that are not
// valid in the code page become U+FFFD; the conversion never fails.
std::string AnsiToUtf8(const std::string& ansi);
