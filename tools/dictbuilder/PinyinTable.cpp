#include "tools/dictbuilder/PinyinTable.h"

#include <algorithm>
#include <utility>

#include "ime/dictionary/PhraseCodeRule.h"
#include "tools/dictbuilder/DoublePinyin.h"
#include "tools/dictbuilder/EntryCollector.h"
#include "tools/dictbuilder/GbkText.h"
#include "ime/dictionary/PhraseCodeRule.h"
#include "tools/dictbuilder/Utf8.h"

namespace dictbuilder {

namespace {

std::vector<std::string> SplitSyllables(const std::string& reading) {
  std::vector<std::string> syllables;
  size_t start = 0;
  for (;;) {
    const size_t space = reading.find(' ', start);
    syllables.push_back(reading.substr(start, space == std::string::npos ? space : space - start));
    if (space == std::string::npos) return syllables;
    start = space + 1;
  }
}

// The code of each character under the row's reading; false when they do not pair up.
bool CharacterCodes(const RimeRow& row, const FullCodes& fullCodes,
                    std::vector<std::string>& codes) {
  const std::vector<std::string> characters = SplitUtf8Characters(row.text);
  const std::vector<std::string> syllables = SplitSyllables(row.code);
  if (characters.size() != syllables.size()) return false;
  codes.resize(characters.size());
  for (size_t i = 0; i < characters.size(); ++i)
    if (!SxCharacterCode(characters[i], syllables[i], fullCodes, codes[i])) return false;
  return true;
}

// Each character's readings, most frequent first.
void OrderReverseCodes(std::map<std::string, std::vector<std::pair<double, std::string>>>& weighted,
                       SchemeTables& tables) {
  for (auto& [character, readings] : weighted) {
    std::stable_sort(readings.begin(), readings.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<std::string>& codes = tables.characterCodes[character];
    for (const auto& reading : readings)
      if (std::find(codes.begin(), codes.end(), reading.second) == codes.end())
        codes.push_back(reading.second);
  }
}

// The syllable alone and the syllable with the first shape letter, as codes of their own:
// typed, they list the syllable's characters by the weight of their reading, and each
// shape letter narrows that list in the same order. A character without shape letters
// has the syllable as its full code already.
void CollectShortCodes(EntryCollector& shortCodes, const DictEntry& character) {
  BuildStats notCounted;  // they are no rows of the input; the caller counts its entries
  for (size_t length = 2; length < character.code.size(); ++length)
    CollectEntry(shortCodes, {character.code.substr(0, length), character.text, character.weight},
                 notCounted);
}

}  // namespace

bool SxCharacterCode(const std::string& character, const std::string& syllable,
                     const FullCodes& fullCodes, std::string& code) {
  if (!ZiranmaSyllableCode(syllable, code)) return false;
  const auto full = fullCodes.find(character);
  if (full != fullCodes.end() && !full->second.empty()) {
    code += full->second.front();
    code += full->second.back();
  }
  return true;
}

SchemeTables BuildSxTables(const RimeDict& pinyin, const FullCodes& fullCodes, BuildStats& stats) {
  EntryCollector collector;
  EntryCollector shortCodes;
  std::map<std::string, std::vector<std::pair<double, std::string>>> weightedReverse;
  for (const RimeRow& row : pinyin.rows) {
    ++stats.read;
    std::vector<std::string> codes;
    if (!CharacterCodes(row, fullCodes, codes)) {
      ++stats.badReading;
      continue;
    }
    DictEntry entry{PhraseCodeFromCharacterCodes(codes, CodeScheme::sx), std::string(),
                    row.weight};
    if (!IsSchemeCode(entry.code, CodeScheme::sx)) {
      ++stats.badCode;
      continue;
    }
    if (!Utf8ToGbk(row.text, entry.text)) {
      ++stats.notGbk;
      continue;
    }
    if (codes.size() == 1 && entry.text.size() == 2) {
      weightedReverse[entry.text].emplace_back(row.weight, entry.code);
      CollectShortCodes(shortCodes, entry);
    }
    CollectEntry(collector, std::move(entry), stats);
  }
  SchemeTables tables;
  tables.entries = std::move(collector.entries);
  stats.shortCodes = shortCodes.entries.size();
  tables.entries.insert(tables.entries.end(), shortCodes.entries.begin(), shortCodes.entries.end());
  OrderReverseCodes(weightedReverse, tables);
  return tables;
}

}  // namespace dictbuilder
