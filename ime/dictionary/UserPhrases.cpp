#include "ime/dictionary/UserPhrases.h"

#include <commctrl.h>

#include <memory>

#include "ime/dictionary/DictionaryFiles.h"
#include "ime/dictionary/PhraseList.h"
#include "ime/dictionary/SQLiteTable3.h"
#include "ime/dictionary/SqlText.h"

namespace {

std::string PairCondition(const std::string& code, const std::string& text) {
  return "mbcode=" + SqlQuote(code) + " and hzcode=" + SqlQuote(text);
}

std::unique_ptr<TSQLiteTable> QueryUserDictionary(const std::string& sql) {
  return OpenUserDictionary()->Query(sql);
}

void ExecuteOnUserDictionary(const std::string& sql) { OpenUserDictionary()->Execute(sql); }

std::string InsertStatement(const std::string& code, const std::string& text) {
  return "insert into " + ActiveWordTable() + " values(" + SqlQuote(code) + "," +
         SqlQuote(text) + ")";
}

std::string DeleteStatement(const std::string& code, const std::string& text) {
  return "delete from " + ActiveWordTable() + " where " + PairCondition(code, text);
}

bool PairStored(TSQLiteDatabase& db, const std::string& code, const std::string& text) {
  return db.Query("select mbcode from " + ActiveWordTable() + " where  " +
                  PairCondition(code, text))
             ->RowCount() > 0;
}

void ShowPhraseError(const char* message) {
  MessageBoxA(nullptr, message, "错误", MB_OK | MB_ICONINFORMATION);
}

// Stores code and text after running first (the delete of a change), unless they are empty
// or stored already; the message shown then, or nullptr. The check and the statements run in
// one immediate transaction: another process cannot store the same pair in between, and a
// failing step leaves the file as it was (the connection closes without the commit). The
// message waits until the connection is gone, so that the box holds no lock.
template <typename First>
const char* StoreUnlessRefused(const std::string& code, const std::string& text, First first) {
  if (TextValue(code).empty() || TextValue(text).empty()) return "设置词组错误";
  const std::unique_ptr<TSQLiteDatabase> db = OpenUserDictionary();
  db->Execute("begin immediate");
  if (PairStored(*db, code, text)) return "已存在此词组";
  first(*db);
  db->Execute(InsertStatement(code, text));
  db->Execute("commit");
  return nullptr;
}

bool Refused(const char* refusal) {
  if (refusal) ShowPhraseError(refusal);
  return refusal != nullptr;
}

}  // namespace

bool UserPhraseExists(const std::string& code, const std::string& text) {
  return PairStored(*OpenUserDictionary(), code, text);
}

bool AddUserPhrase(const std::string& code, const std::string& text) {
  return !Refused(StoreUnlessRefused(code, text, [](TSQLiteDatabase&) {}));
}

bool ChangeUserPhrase(const std::string& oldCode, const std::string& oldText,
                      const std::string& newCode, const std::string& newText) {
  return !Refused(StoreUnlessRefused(newCode, newText, [&](TSQLiteDatabase& db) {
    db.Execute(DeleteStatement(oldCode, oldText));
  }));
}

bool DeleteUserPhrase(const std::string& code, const std::string& text) {
  ExecuteOnUserDictionary(DeleteStatement(code, text));
  return true;
}

void ListUserPhrases(HWND listView) {
  const std::unique_ptr<TSQLiteTable> rows =
      QueryUserDictionary("select mbcode,hzcode from " + ActiveWordTable() + " order by rowid");
  SendMessageA(listView, LVM_DELETEALLITEMS, 0, 0);
  for (; !rows->AtEnd(); rows->MoveNext()) {
    AppendPhraseItem(listView, rows->FieldTextOrEmpty(0), rows->FieldTextOrEmpty(1));
  }
}
