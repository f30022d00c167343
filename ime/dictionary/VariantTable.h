// Simplified/traditional conversion by a character table made at build time from OpenCC's
// data (single characters, first choice, both sides in GBK). Stands in where the system's
// conversion does nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

struct VariantPair {
  std::uint16_t from;  // GBK code: lead byte * 256 + trail byte
  std::uint16_t to;
};

// Sorted by from; generated into the build tree.
extern const VariantPair kSimplifiedToTraditional[];
extern const std::size_t kSimplifiedToTraditionalCount;
extern const VariantPair kTraditionalToSimplified[];
extern const std::size_t kTraditionalToSimplifiedCount;

// The text with every double-byte character that the table lists replaced; other bytes,
// and a lead byte without its trail byte, are kept as they are.
std::string TableToTraditional(std::string_view text);
std::string TableToSimplified(std::string_view text);
