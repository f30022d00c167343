#include "ime/dictionary/DictionaryFiles.h"

#include "ime/dictionary/SQLiteTable3.h"

std::string DictionaryFile(const DictionarySet& dictionaries, const std::string& name) {
  if (dictionaries.folder.empty())
    throw ESQLiteException("No dictionary directory: the input method is not installed");
  return dictionaries.folder + name;
}

std::string WordTable(CodeScheme scheme) { return scheme == CodeScheme::sx ? "lmt_sx" : "lmt_zx"; }
