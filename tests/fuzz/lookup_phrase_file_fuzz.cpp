// The phrase lists a user imports, read from any bytes: a refused file yields nothing, and
// every phrase read is one the dictionary can store.
#include <string>

#include "ime/dictionary/PhraseImportFile.h"
#include "tests/fuzz/FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes = InputText(data, size);
  for (CodeScheme active : {CodeScheme::zx, CodeScheme::sx}) {
    const ParsedImport parsed = ParseImportFile(bytes, active);
    if (parsed.fault != ImportFileFault::kNone)
      FUZZ_CHECK(parsed.entries.empty() && parsed.errors.empty());
    std::size_t line = 1;
    for (const ImportEntry& entry : parsed.entries) {
      FUZZ_CHECK(entry.line >= line);
      line = entry.line;
      FUZZ_CHECK(!entry.text.empty() && entry.text.size() <= kMaxPhraseBytes);
      FUZZ_CHECK(entry.text.find_first_of("\t\n\r") == std::string::npos);
      FUZZ_CHECK(EndsOnCharacter(entry.text, entry.text.size()));
      FUZZ_CHECK(entry.code.empty() || IsSchemeCode(entry.code, entry.scheme));
    }
    for (const ImportLineError& error : parsed.errors) FUZZ_CHECK(error.line >= 1);
  }
  return 0;
}
