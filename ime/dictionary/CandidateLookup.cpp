#include "ime/dictionary/CandidateLookup.h"

#include "ime/dictionary/DictionaryRows.h"
#include "ime/dictionary/LookupStatements.h"

CandidateRecords LookupCandidates(const std::string& code, const DictionarySet& dictionaries,
                                  const CandidateFilter& filter) {
  CandidateRecords found;
  if (code.empty()) return found;
  const BoundSql sql = CodeLookupStatement(WordTable(dictionaries.scheme), code);
  {
    DictionaryRows systemRows([&] { return OpenSystemDictionary(dictionaries, code.substr(0, 1)); },
                              sql);
    DictionaryRows userRows(
        [&] { return OpenUserDictionary(dictionaries, UserDictionaryUse::lookup); }, sql);
    MergeCandidateRows(systemRows, userRows, {found.records, {}, filter}, code.size());
    found.userReadable = userRows.Readable();
  }  // the user file is given back first, then the system file
  return found;
}

CandidateRecords LookupAssociations(const std::string& firstChar, const std::string& committed,
                                    const DictionarySet& dictionaries,
                                    const CandidateFilter& filter) {
  CandidateRecords found;
  const BoundSql sql = AssociationStatement(WordTable(dictionaries.scheme), committed);
  // The user dictionary is queried first.
  DictionaryRows userRows(
      [&] { return OpenUserDictionary(dictionaries, UserDictionaryUse::lookup); }, sql);
  DictionaryRows systemRows([&] { return OpenSystemDictionary(dictionaries, firstChar); }, sql);
  MergeCandidateRows(systemRows, userRows, {found.records, committed, filter}, 0);
  found.userReadable = userRows.Readable();
  return found;
}
