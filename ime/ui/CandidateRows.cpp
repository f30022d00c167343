#include "ime/ui/CandidateRows.h"

#include "ime/dictionary/CandidateText.h"

namespace {

// The start of the last character that begins at or before limit, walking from the start
// of the text: in GBK a trail byte may look like a single-byte character, so character
// boundaries are only known from the front.
std::size_t CharacterStartAtOrBefore(std::string_view text, std::size_t limit) {
  std::size_t start = 0;
  std::size_t i = 0;
  while (i <= limit && i < text.size()) {
    start = i;
    i += IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
  }
  return start;
}

}  // namespace

std::string RowDisplayText(std::string_view recordText) {
  std::string_view text = recordText.substr(0, RecordDisplayLength(recordText));
  if (text.size() <= kRowTruncateAbove) return std::string(text);
  const std::size_t head = CharacterPrefixLength(text, kRowHeadBytes);
  const std::size_t tail = CharacterStartAtOrBefore(text, text.size() - kRowTailBytes);
  std::string row(text.substr(0, head));
  row += "...";
  row += text.substr(tail);
  return row;
}

std::string CandidateRowText(int k, std::string_view recordText) {
  static const char kLabels[] = "01234567890";
  std::string row(1, kLabels[(k + 1) % 11]);
  row += ' ';
  row += RowDisplayText(recordText);
  return row;
}
