#include "ime/dictionary/CandidateLookup.h"

#include <memory>

#include "ime/dictionary/LookupStatements.h"
#include "ime/dictionary/SQLiteTable3.h"

namespace {

constexpr char kUserDictionary[] = "lmtsys_User.db";

// The rows of sql in the dictionary file name, or no rows when the file cannot be read
// (missing, damaged, without the table): one file's fault never takes the rows of the
// other with it. readable, when given, tells which.
std::unique_ptr<TSQLiteTable> RowsOrNone(const DictionarySet& dictionaries,
                                         const std::string& name, const std::string& sql,
                                         bool* readable = nullptr) {
  try {
    TSQLiteDatabase db(DictionaryFile(dictionaries, name), kDictionaryPassword);
    std::unique_ptr<TSQLiteTable> rows = db.Query(sql);
    if (readable) *readable = true;
    return rows;
  } catch (const ESQLiteException&) {
    if (readable) *readable = false;
    return std::make_unique<TSQLiteTable>();
  }
}

}  // namespace

CandidateRecords LookupCandidates(const std::string& code, const DictionarySet& dictionaries,
                                  const CandidateFilter& filter) {
  CandidateRecords found;
  if (code.empty()) return found;
  const std::string sql = CodeLookupStatement(WordTable(dictionaries.scheme), code);
  const std::unique_ptr<TSQLiteTable> systemRows =
      RowsOrNone(dictionaries, "lmtsys_" + code.substr(0, 1) + ".db", sql);
  const std::unique_ptr<TSQLiteTable> userRows =
      RowsOrNone(dictionaries, kUserDictionary, sql, &found.userReadable);
  MergeCandidateRows(*systemRows, *userRows, {found.records, {}, filter}, code.size());
  return found;
}

CandidateRecords LookupAssociations(const std::string& firstChar, const std::string& committed,
                                    const DictionarySet& dictionaries,
                                    const CandidateFilter& filter) {
  CandidateRecords found;
  const std::string sql = AssociationStatement(WordTable(dictionaries.scheme), committed);
  // The user dictionary is queried first.
  const std::unique_ptr<TSQLiteTable> userRows =
      RowsOrNone(dictionaries, kUserDictionary, sql, &found.userReadable);
  const std::unique_ptr<TSQLiteTable> systemRows =
      RowsOrNone(dictionaries, "lmtsys_" + firstChar + ".db", sql);
  MergeCandidateRows(*systemRows, *userRows, {found.records, committed, filter}, 0);
  return found;
}
