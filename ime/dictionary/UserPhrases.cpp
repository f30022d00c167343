#include "ime/dictionary/UserPhrases.h"

#include <memory>

#include "ime/dictionary/SQLiteTable3.h"
#include "ime/dictionary/SqlText.h"

namespace {

std::string PairCondition(const UserPhrase& phrase) {
  return "mbcode=" + SqlQuote(phrase.code) + " and hzcode=" + SqlQuote(phrase.text);
}

std::string InsertStatement(const DictionarySet& dictionaries, const UserPhrase& phrase) {
  return "insert into " + WordTable(dictionaries.scheme) + " values(" + SqlQuote(phrase.code) +
         "," + SqlQuote(phrase.text) + ")";
}

std::string DeleteStatement(const DictionarySet& dictionaries, const UserPhrase& phrase) {
  return "delete from " + WordTable(dictionaries.scheme) + " where " + PairCondition(phrase);
}

bool PairStored(TSQLiteDatabase& db, const DictionarySet& dictionaries,
                const UserPhrase& phrase) {
  return db.Query("select mbcode from " + WordTable(dictionaries.scheme) + " where  " +
                  PairCondition(phrase))
             ->RowCount() > 0;
}

// Stores the phrase after running first (the delete of a change), unless it is incomplete
// or stored already. The check and the statements run in one immediate transaction: another
// process cannot store the same pair in between, and a failing step leaves the file as it
// was (the connection closes without the commit).
template <typename First>
PhraseRefusal StoreUnlessRefused(const DictionarySet& dictionaries, const UserPhrase& phrase,
                                 First first) {
  if (TextValue(phrase.code).empty() || TextValue(phrase.text).empty())
    return PhraseRefusal::kIncomplete;
  const std::unique_ptr<TSQLiteDatabase> db = OpenUserDictionary(dictionaries);
  db->Execute("begin immediate");
  if (PairStored(*db, dictionaries, phrase)) return PhraseRefusal::kAlreadyStored;
  first(*db);
  db->Execute(InsertStatement(dictionaries, phrase));
  db->Execute("commit");
  return PhraseRefusal::kNone;
}

}  // namespace

bool UserPhraseExists(const DictionarySet& dictionaries, const UserPhrase& phrase) {
  return PairStored(*OpenUserDictionary(dictionaries), dictionaries, phrase);
}

PhraseRefusal AddUserPhrase(const DictionarySet& dictionaries, const UserPhrase& phrase) {
  return StoreUnlessRefused(dictionaries, phrase, [](TSQLiteDatabase&) {});
}

PhraseRefusal ChangeUserPhrase(const DictionarySet& dictionaries, const UserPhrase& old,
                               const UserPhrase& changed) {
  return StoreUnlessRefused(dictionaries, changed, [&](TSQLiteDatabase& db) {
    db.Execute(DeleteStatement(dictionaries, old));
  });
}

void DeleteUserPhrase(const DictionarySet& dictionaries, const UserPhrase& phrase) {
  OpenUserDictionary(dictionaries)->Execute(DeleteStatement(dictionaries, phrase));
}

std::vector<UserPhrase> ListUserPhrases(const DictionarySet& dictionaries) {
  const std::unique_ptr<TSQLiteTable> rows = OpenUserDictionary(dictionaries)->Query(
      "select mbcode,hzcode from " + WordTable(dictionaries.scheme) + " order by rowid");
  std::vector<UserPhrase> phrases;
  for (; !rows->AtEnd(); rows->MoveNext())
    phrases.push_back({rows->FieldTextOrEmpty(0), rows->FieldTextOrEmpty(1)});
  return phrases;
}
