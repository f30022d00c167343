// The dictionary builder's input: a Rime table of any bytes, parsed, then made into the
// tables of both schemes (the Wubi codes of zx, the pinyin readings of sx).
#include <sstream>
#include <string>

#include "tools/dictbuilder/InputError.h"
#include "tools/dictbuilder/PinyinTable.h"
#include "tools/dictbuilder/RimeDict.h"
#include "ime/dictionary/PhraseCodeRule.h"
#include "tools/dictbuilder/WubiTable.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace dictbuilder;

namespace {

void CheckTables(const SchemeTables& tables, CodeScheme scheme) {
  for (const DictEntry& entry : tables.entries) {
    FUZZ_CHECK(IsSchemeCode(entry.code, scheme));
    FUZZ_CHECK(!entry.text.empty());
  }
  for (const auto& [character, codes] : tables.characterCodes) {
    FUZZ_CHECK(character.size() == 2 && !codes.empty());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(InputText(data, size)));
  RimeDict dict;
  try {
    dict = ParseRimeDict(in, "fuzz");
  } catch (const InputError&) {
    return 0;  // a malformed table is named and refused
  }
  for (const RimeRow& row : dict.rows) FUZZ_CHECK(!row.text.empty() && !row.code.empty());
  const FullCodes fullCodes = WubiFullCodes(dict);
  BuildStats zxStats, sxStats;
  CheckTables(BuildZxTables(dict, fullCodes, zxStats), CodeScheme::zx);
  CheckTables(BuildSxTables(dict, fullCodes, sxStats), CodeScheme::sx);
  FUZZ_CHECK(zxStats.read == dict.rows.size() && sxStats.read == dict.rows.size());
  return 0;
}
