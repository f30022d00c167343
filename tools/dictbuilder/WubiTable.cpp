#include "tools/dictbuilder/WubiTable.h"

#include <algorithm>

#include "tools/dictbuilder/EntryCollector.h"
#include "tools/dictbuilder/GbkText.h"
#include "ime/dictionary/PhraseCodeRule.h"
#include "tools/dictbuilder/Utf8.h"

namespace dictbuilder {

namespace {

bool IsSingleCharacter(const std::string& utf8) {
  return SplitUtf8Characters(utf8).size() == 1;
}

// The full code first, then the shorter codes, shortest first.
void AddReverseCode(std::vector<std::string>& codes, const std::string& code,
                    const std::string& fullCode) {
  if (std::find(codes.begin(), codes.end(), code) != codes.end()) return;
  codes.push_back(code);
  std::stable_sort(codes.begin(), codes.end(), [&](const std::string& a, const std::string& b) {
    if ((a == fullCode) != (b == fullCode)) return a == fullCode;
    return a.size() < b.size();
  });
}

}  // namespace

FullCodes WubiFullCodes(const RimeDict& wubi) {
  FullCodes fullCodes;
  std::map<std::string, double> weights;
  for (const RimeRow& row : wubi.rows) {
    if (!IsSingleCharacter(row.text) || !IsSchemeCode(row.code, CodeScheme::zx)) continue;
    const auto found = fullCodes.find(row.text);
    if (found != fullCodes.end()) {
      const std::string& kept = found->second;
      const bool longer = row.code.size() > kept.size();
      const bool moreFrequent = row.code.size() == kept.size() && row.weight > weights[row.text];
      if (!longer && !moreFrequent) continue;
    }
    fullCodes[row.text] = row.code;
    weights[row.text] = row.weight;
  }
  return fullCodes;
}

SchemeTables BuildZxTables(const RimeDict& wubi, const FullCodes& fullCodes, BuildStats& stats) {
  EntryCollector collector;
  SchemeTables tables;
  for (const RimeRow& row : wubi.rows) {
    ++stats.read;
    if (!IsSchemeCode(row.code, CodeScheme::zx)) {
      ++stats.badCode;
      continue;
    }
    DictEntry entry{row.code, std::string(), row.weight};
    if (!Utf8ToGbk(row.text, entry.text)) {
      ++stats.notGbk;
      continue;
    }
    const auto full = fullCodes.find(row.text);
    if (full != fullCodes.end() && entry.text.size() == 2)
      AddReverseCode(tables.characterCodes[entry.text], row.code, full->second);
    CollectEntry(collector, std::move(entry), stats);
  }
  tables.entries = std::move(collector.entries);
  return tables;
}

}  // namespace dictbuilder
