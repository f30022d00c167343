// The GBK text helpers over arbitrary bytes: where a text may be cut, the GB2312 filter,
// the display length of a record, the characters of a phrase, the simplified/traditional
// table and the conversion of file names to UTF-8.
#include <string>

#include "ime/common/AnsiText.h"
#include "ime/dictionary/CandidateText.h"
#include "ime/dictionary/PhraseCharacters.h"
#include "ime/dictionary/VariantTable.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tools/dictbuilder/Utf8.h"

namespace {

std::size_t CharacterWidth(std::string_view text, std::size_t at) {
  return IsLeadByte(static_cast<unsigned char>(text[at])) ? 2 : 1;
}

void CheckPrefix(std::string_view text, std::size_t limit) {
  const std::size_t length = CharacterPrefixLength(text, limit);
  FUZZ_CHECK(length <= limit && length <= text.size());
  FUZZ_CHECK(EndsOnCharacter(text, length));
  // The longest such start: the next character would not fit.
  if (length < text.size()) {
    const std::size_t next = length + CharacterWidth(text, length);
    FUZZ_CHECK(next > limit || next > text.size());
  }
}

void CheckPhraseCharacters(std::string_view text) {
  const PhraseCharacters scan = ScanPhrase(text);
  std::size_t characters = 0;
  for (std::size_t at = 0; at < text.size(); at += CharacterWidth(text, at)) {
    if (CharacterWidth(text, at) == 2 && at + 1 < text.size()) ++characters;
  }
  FUZZ_CHECK(scan.positions.size() == characters);
  FUZZ_CHECK(scan.distinct.size() <= characters);
  for (const std::size_t position : scan.positions) FUZZ_CHECK(position < scan.distinct.size());
  for (const std::string& character : scan.distinct) {
    FUZZ_CHECK(character.size() == 2 && IsLeadByte(static_cast<unsigned char>(character[0])));
  }
  FUZZ_CHECK(scan.condition.empty() == (characters == 0));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t limit = data[0];
  const std::string_view text = InputText(data + 1, size - 1);

  CheckPrefix(text, limit);
  CheckPrefix(text, kDisplayTextMax);
  FUZZ_CHECK(ClipDisplayText(text) == CharacterPrefixLength(text, kDisplayTextMax));

  const std::size_t display = RecordDisplayLength(text);
  FUZZ_CHECK(display <= text.size() && display <= kDisplayTextMax);
  FUZZ_CHECK(EndsOnCharacter(text, display));

  if (text.size() == 2 && text != "，" && text != "；") {
    const auto first = static_cast<unsigned char>(text[0]);
    const auto second = static_cast<unsigned char>(text[1]);
    FUZZ_CHECK(IsGB2312Hanzi(text) ==
               (first >= 0xB0 && first <= 0xF7 && second >= 0xA1 && second <= 0xFE));
  } else {
    FUZZ_CHECK(IsGB2312Hanzi(text));
  }

  CheckPhraseCharacters(text);

  // Characters are replaced in place: the same length, the same single bytes.
  for (const std::string& converted : {TableToTraditional(text), TableToSimplified(text)}) {
    FUZZ_CHECK(converted.size() == text.size());
    for (std::size_t at = 0; at < text.size(); at += CharacterWidth(text, at)) {
      if (CharacterWidth(text, at) == 1) FUZZ_CHECK(converted[at] == text[at]);
    }
  }

  FUZZ_CHECK(dictbuilder::IsValidUtf8(AnsiToUtf8(std::string(text))));
  return 0;
}
