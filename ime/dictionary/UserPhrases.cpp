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

PhraseRefusal RefusalFor(const DictionarySet& dictionaries, const UserPhrase& phrase) {
  if (phrase.code.empty() || phrase.text.empty()) return PhraseRefusal::kIncomplete;
  if (UserPhraseExists(dictionaries, phrase)) return PhraseRefusal::kAlreadyStored;
  return PhraseRefusal::kNone;
}

}  // namespace

bool UserPhraseExists(const DictionarySet& dictionaries, const UserPhrase& phrase) {
  return OpenUserDictionary(dictionaries)
             ->Query("select mbcode from " + WordTable(dictionaries.scheme) + " where  " +
                     PairCondition(phrase))
             ->RowCount() > 0;
}

PhraseRefusal AddUserPhrase(const DictionarySet& dictionaries, const UserPhrase& phrase) {
  const PhraseRefusal refusal = RefusalFor(dictionaries, phrase);
  if (refusal != PhraseRefusal::kNone) return refusal;
  OpenUserDictionary(dictionaries)->Execute(InsertStatement(dictionaries, phrase));
  return PhraseRefusal::kNone;
}

PhraseRefusal ChangeUserPhrase(const DictionarySet& dictionaries, const UserPhrase& old,
                               const UserPhrase& changed) {
  const PhraseRefusal refusal = RefusalFor(dictionaries, changed);
  if (refusal != PhraseRefusal::kNone) return refusal;
  // The delete and the insert in one transaction, so that a failing insert leaves the old
  // pair stored (closing the connection without the commit rolls the delete back).
  const std::unique_ptr<TSQLiteDatabase> db = OpenUserDictionary(dictionaries);
  db->Execute("begin immediate");
  db->Execute(DeleteStatement(dictionaries, old));
  db->Execute(InsertStatement(dictionaries, changed));
  db->Execute("commit");
  return PhraseRefusal::kNone;
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
