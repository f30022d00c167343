// Four-part version numbers ("1.0.0.0") as the version resource stores them: two 32-bit
// words, each holding two 16-bit parts.
#pragma once

#include <cstdint>
#include <string>

// The version in one number that orders like the version: the most significant word in the
// upper half.
using VersionNumber = std::uint64_t;

inline VersionNumber MakeVersionNumber(std::uint32_t mostSignificant,
                                       std::uint32_t leastSignificant) {
  return (static_cast<VersionNumber>(mostSignificant) << 32) | leastSignificant;
}

// "a.b.c.d": the high and low halves of the most significant word, then of the least.
std::string VersionText(VersionNumber version);

// Reads one to four decimal parts of at most 65535 joined by "." (missing parts are 0);
// false for anything else.
bool ParseVersion(const std::string& text, VersionNumber* version);
