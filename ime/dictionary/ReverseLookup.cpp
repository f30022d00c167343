#include "ime/dictionary/ReverseLookup.h"

#include <utility>

#include "ime/dictionary/PhraseCharacters.h"

std::string PhraseCode(const DictionarySet& dictionaries, const std::string& phrase) {
  PhraseCharacters scan = ScanPhrase(phrase);
  // A phrase without a double-byte character has no code, and needs no file: not even an
  // installation.
  if (scan.condition.empty()) return {};
  return DerivePhraseCode(std::move(scan), DictionaryFile(dictionaries, "lmtsys_ODD.db"),
                          dictionaries.scheme);
}
