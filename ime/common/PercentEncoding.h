// Percent-encoding of bytes for addresses: web searches and SQLite's URI file names.
#pragma once

#include <string>
#include <string_view>

// Every byte but the unreserved ASCII letters, digits and "-._~" as %XX (upper-case hex).
std::string PercentEncode(std::string_view bytes);
