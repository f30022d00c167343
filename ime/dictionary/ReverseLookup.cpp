#include "ime/dictionary/ReverseLookup.h"

#include <utility>

#include "ime/dictionary/DictionaryFiles.h"
#include "ime/dictionary/PhraseCharacters.h"

namespace {

constexpr char kReverseDictionary[] = "lmtsys_ODD.db";

}  // namespace

std::string PhraseCode(const std::string& phrase) {
  PhraseCharacters scan = ScanPhrase(phrase);
  // A phrase without a double-byte character has no code, and needs no file: not even an
  // installation.
  if (scan.condition.empty()) return {};
  return DerivePhraseCode(std::move(scan), DictionaryFile(kReverseDictionary), ActiveScheme());
}

void LookupCharacterCodes(const std::string& condition, std::vector<std::string>& distinct) {
  LookupCharacterCodes(DictionaryFile(kReverseDictionary), ActiveScheme(), condition, distinct);
}
