#include "ime/dictionary/PhraseTransfer.h"

#include <algorithm>
#include <set>
#include <utility>

#include "ime/common/AnsiText.h"
#include "ime/dictionary/PhraseCharacters.h"
#include "ime/dictionary/SQLiteTable3.h"
#include "ime/dictionary/SqlText.h"
#include "ime/dictionary/UserDictionaryBackups.h"
#include "ime/dictionary/UserPhrases.h"

namespace {

constexpr CodeScheme kSchemes[] = {CodeScheme::zx, CodeScheme::sx};

const char* SchemeName(CodeScheme scheme) { return scheme == CodeScheme::sx ? "sx" : "zx"; }

// Gives the phrase-only entries their codes; those without one are moved to invalid.
void DeriveCodes(const DictionarySet& dictionaries, std::vector<ImportEntry>& entries,
                 std::vector<std::size_t>& invalid) {
  for (CodeScheme scheme : kSchemes) {
    std::vector<std::size_t> uncoded;
    std::vector<std::string> texts;
    for (std::size_t k = 0; k < entries.size(); ++k) {
      if (entries[k].scheme == scheme && entries[k].code.empty()) {
        uncoded.push_back(k);
        texts.push_back(entries[k].text);
      }
    }
    if (uncoded.empty()) continue;
    const std::vector<std::string> codes =
        DerivePhraseCodes(texts, DictionaryFile(dictionaries, "lmtsys_ODD.db"), scheme);
    for (std::size_t k = 0; k < uncoded.size(); ++k) entries[uncoded[k]].code = codes[k];
  }
  std::vector<ImportEntry> coded;
  for (ImportEntry& entry : entries) {
    if (IsSchemeCode(entry.code, entry.scheme))
      coded.push_back(std::move(entry));
    else
      invalid.push_back(entry.line);
  }
  entries = std::move(coded);
}

using StoredPairs = std::set<std::pair<std::string, std::string>>;

StoredPairs PairsOf(TSQLiteDatabase& db, CodeScheme scheme) {
  StoredPairs pairs;
  TSQLiteCursor rows(db, "select mbcode,hzcode from " + WordTable(scheme));
  for (; !rows.AtEnd(); rows.MoveNext())
    pairs.emplace(rows.FieldTextOrEmpty(0), rows.FieldTextOrEmpty(1));
  return pairs;
}

}  // namespace

ImportOutcome ImportUserPhrases(const DictionarySet& dictionaries, std::string_view fileBytes,
                                const std::string& today) {
  ParsedImport parsed = ParseImportFile(fileBytes, dictionaries.scheme);
  ImportOutcome outcome;
  outcome.fault = parsed.fault;
  for (const ImportLineError& error : parsed.errors) outcome.invalidLines.push_back(error.line);
  DeriveCodes(dictionaries, parsed.entries, outcome.invalidLines);
  std::sort(outcome.invalidLines.begin(), outcome.invalidLines.end());
  outcome.invalidLines.erase(std::unique(outcome.invalidLines.begin(), outcome.invalidLines.end()),
                             outcome.invalidLines.end());
  if (parsed.entries.empty()) return outcome;

  BackUpUserDictionary(dictionaries, today);
  const HeldDatabase db = OpenUserDictionary(dictionaries);
  db->Execute("begin immediate");
  StoredPairs stored[2] = {PairsOf(*db, kSchemes[0]), PairsOf(*db, kSchemes[1])};
  for (const ImportEntry& entry : parsed.entries) {
    const std::string text = TextValue(entry.text);
    if (!stored[entry.scheme == kSchemes[0] ? 0 : 1].emplace(entry.code, text).second) {
      ++outcome.skipped;
      continue;
    }
    db->Execute("insert into " + WordTable(entry.scheme) + " values(" + SqlQuote(entry.code) +
                "," + SqlQuote(text) + ")");
    ++outcome.added;
  }
  // Without the commit, the connection is closed when given back, which rolls every insert back.
  db->Execute("commit");
  return outcome;
}

ExportedPhrases ExportUserPhrases(const DictionarySet& dictionaries) {
  ExportedPhrases exported;
  exported.text = "# Lumatori user phrases: phrase<TAB>code<TAB>scheme (zx or sx)\r\n";
  for (CodeScheme scheme : kSchemes) {
    for (const UserPhrase& phrase : ListUserPhrases({dictionaries.folder, scheme})) {
      exported.text += AnsiToUtf8(phrase.text) + "\t" + phrase.code + "\t" + SchemeName(scheme) + "\r\n";
      ++exported.count;
    }
  }
  return exported;
}
