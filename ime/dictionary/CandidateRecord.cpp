#include "ime/dictionary/CandidateRecord.h"

#include <algorithm>

#include "ime/dictionary/CandidateText.h"

namespace {

std::string_view BeforeCarriageReturn(std::string_view text) {
  return text.substr(0, std::min(text.find('\r'), text.size()));
}

}  // namespace

std::string BuildCandidateRecord(std::string_view text, std::string_view displayCode, bool user,
                                 TextConverter toTraditional) {
  text = BeforeCarriageReturn(text);
  std::string display(text.substr(0, ClipDisplayText(text)));
  if (toTraditional) {
    display = toTraditional(display);
    display.resize(ClipDisplayText(BeforeCarriageReturn(display)));
  }
  std::string record = (user ? "1" : "0") + display;

  const std::size_t capacity = kCandidateRecordSize - 1;
  const std::string_view code = BeforeCarriageReturn(displayCode);
  if (!code.empty() && record.size() + 3 <= capacity) {
    const std::size_t room = capacity - record.size() - 2;
    record += '\r';
    record += code.substr(0, CharacterPrefixLength(code, room));
    record += '\r';
  }
  return record;
}
