// Text as the user or a list file gave it, without what surrounds it.
#pragma once

#include <string>

// Without leading and trailing blanks and control characters (bytes up to 0x20).
std::string Trimmed(const std::string& text);
