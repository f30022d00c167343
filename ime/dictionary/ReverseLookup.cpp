#include "ime/dictionary/ReverseLookup.h"

#include "ime/dictionary/DictionaryFiles.h"
#include "ime/dictionary/PhraseCharacters.h"

namespace {

constexpr char kReverseDictionary[] = "lmtsys_ODD.db";

}  // namespace

std::string PhraseCode(const std::string& phrase) {
  return DerivePhraseCode(phrase, DictionaryFile(kReverseDictionary), ActiveScheme());
}

void LookupCharacterCodes(const std::string& condition, std::vector<std::string>& distinct) {
  LookupCharacterCodes(DictionaryFile(kReverseDictionary), ActiveScheme(), condition, distinct);
}
