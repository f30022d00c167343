#include "ime/dictionary/VariantTable.h"

#include <algorithm>

#include "ime/dictionary/CandidateText.h"

namespace {

std::string Convert(std::string_view text, const VariantPair* table, std::size_t count) {
  std::string result(text);
  for (std::size_t i = 0; i < result.size(); ++i) {
    const auto lead = static_cast<unsigned char>(result[i]);
    if (!IsLeadByte(lead) || i + 1 >= result.size()) continue;
    const auto code = static_cast<std::uint16_t>(lead << 8 | static_cast<unsigned char>(result[i + 1]));
    const VariantPair* end = table + count;
    const VariantPair* found = std::lower_bound(
        table, end, code, [](const VariantPair& pair, std::uint16_t key) { return pair.from < key; });
    if (found != end && found->from == code) {
      result[i] = static_cast<char>(found->to >> 8);
      result[i + 1] = static_cast<char>(found->to & 0xFF);
    }
    ++i;
  }
  return result;
}

}  // namespace

std::string TableToTraditional(std::string_view text) {
  return Convert(text, kSimplifiedToTraditional, kSimplifiedToTraditionalCount);
}

std::string TableToSimplified(std::string_view text) {
  return Convert(text, kTraditionalToSimplified, kTraditionalToSimplifiedCount);
}
