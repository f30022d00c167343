#include "ime/dictionary/PhraseCharacters.h"

#include <algorithm>
#include <map>

#include "ime/dictionary/CandidateText.h"
#include "ime/dictionary/HeldConnections.h"
#include "ime/dictionary/SQLiteTable3.h"
#include "ime/dictionary/SqlText.h"

PhraseCharacters ScanPhrase(std::string_view phrase) {
  PhraseCharacters scan;
  for (std::size_t i = 0; i < phrase.size();) {
    if (!IsLeadByte(static_cast<unsigned char>(phrase[i]))) {
      ++i;
      continue;
    }
    if (i + 1 >= phrase.size()) break;
    const std::string character(phrase.substr(i, 2));
    i += 2;
    scan.condition += scan.positions.empty() ? " hzcode=" : " or hzcode=";
    scan.condition += SqlQuote(character) + " ";
    const auto found = std::find(scan.distinct.begin(), scan.distinct.end(), character);
    scan.positions.push_back(static_cast<std::size_t>(found - scan.distinct.begin()));
    if (found == scan.distinct.end()) scan.distinct.push_back(character);
  }
  return scan;
}

void LookupCharacterCodes(const std::string& oddPath, CodeScheme scheme,
                          const std::string& condition, std::vector<std::string>& distinct) {
  const std::string table = scheme == CodeScheme::sx ? "odd_sx" : "odd_zx";
  std::unique_ptr<TSQLiteTable> rows;
  {
    const HeldDatabase db = HoldDatabase(oddPath, [&] {
      return std::make_unique<TSQLiteDatabase>(oddPath, kDictionaryPassword,
                                               FileWrites::replacedWhole);
    });
    rows = db->Query("select mbcode,hzcode from " + table + " where  " + condition);
  }
  std::vector<bool> resolved(distinct.size(), false);
  for (; !rows->AtEnd(); rows->MoveNext()) {
    const std::string character = rows->FieldTextOrEmpty(1);
    for (std::size_t i = 0; i < distinct.size(); ++i) {
      if (!resolved[i] && distinct[i] == character) {
        distinct[i] = rows->FieldTextOrEmpty(0);
        resolved[i] = true;
        break;
      }
    }
  }
}

std::string DerivePhraseCode(PhraseCharacters scan, const std::string& oddPath,
                             CodeScheme scheme) {
  if (scan.condition.empty()) return {};
  LookupCharacterCodes(oddPath, scheme, scan.condition, scan.distinct);
  std::vector<std::string> codes;
  for (std::size_t position : scan.positions) codes.push_back(scan.distinct[position]);
  return PhraseCodeFromCharacterCodes(codes, scheme);
}

std::vector<std::string> DerivePhraseCodes(const std::vector<std::string>& phrases,
                                           const std::string& oddPath, CodeScheme scheme) {
  std::vector<PhraseCharacters> scans;
  std::map<std::string, std::string> codes;  // character -> its code; empty while unknown
  for (const std::string& phrase : phrases) {
    scans.push_back(ScanPhrase(phrase));
    for (const std::string& character : scans.back().distinct) codes.emplace(character, "");
  }
  // A few hundred characters a statement keeps its chain of conditions well inside SQLite's
  // limit on expression depth.
  constexpr std::size_t kCharactersPerLookup = 200;
  std::vector<std::string> batch;
  std::string condition;
  const auto lookUp = [&] {
    std::vector<std::string> found = batch;
    LookupCharacterCodes(oddPath, scheme, condition, found);
    for (std::size_t k = 0; k < batch.size(); ++k)
      if (found[k] != batch[k]) codes[batch[k]] = found[k];
    batch.clear();
    condition.clear();
  };
  for (const auto& entry : codes) {
    condition += batch.empty() ? " hzcode=" : " or hzcode=";
    condition += SqlQuote(entry.first) + " ";
    batch.push_back(entry.first);
    if (batch.size() == kCharactersPerLookup) lookUp();
  }
  if (!batch.empty()) lookUp();

  std::vector<std::string> phraseCodes;
  for (const PhraseCharacters& scan : scans) {
    std::vector<std::string> characterCodes;
    for (std::size_t position : scan.positions) {
      const std::string& code = codes[scan.distinct[position]];
      if (code.empty()) break;
      characterCodes.push_back(code);
    }
    const bool complete = !scan.positions.empty() && characterCodes.size() == scan.positions.size();
    phraseCodes.push_back(complete ? PhraseCodeFromCharacterCodes(characterCodes, scheme)
                                   : std::string());
  }
  return phraseCodes;
}
