#include "ime/dictionary/UserPhrases.h"

#include <commctrl.h>

#include <memory>

#include "ime/dictionary/DictionaryFiles.h"
#include "ime/dictionary/PhraseList.h"
#include "ime/dictionary/SQLiteTable3.h"
#include "ime/dictionary/SqlText.h"

namespace {

constexpr char kUserDictionary[] = "lmtsys_User.db";

std::string PairCondition(const std::string& code, const std::string& text) {
  return "mbcode=" + SqlQuote(code) + " and hzcode=" + SqlQuote(text);
}

std::unique_ptr<TSQLiteTable> QueryUserDictionary(const std::string& sql) {
  TSQLiteDatabase db(DictionaryFile(kUserDictionary), kDictionaryPassword);
  return db.Query(sql);
}

void ExecuteOnUserDictionary(const std::string& sql) {
  TSQLiteDatabase db(DictionaryFile(kUserDictionary), kDictionaryPassword);
  db.Execute(sql);
}

std::string InsertStatement(const std::string& code, const std::string& text) {
  return "insert into " + ActiveWordTable() + " values(" + SqlQuote(code) + "," +
         SqlQuote(text) + ")";
}

std::string DeleteStatement(const std::string& code, const std::string& text) {
  return "delete from " + ActiveWordTable() + " where " + PairCondition(code, text);
}

void ShowPhraseError(const char* message) {
  MessageBoxA(nullptr, message, "错误", MB_OK | MB_ICONINFORMATION);
}

// The message to show before adding code and text, or nullptr when they may be added.
const char* RefusalFor(const std::string& code, const std::string& text) {
  if (TextValue(code).empty() || TextValue(text).empty()) return "设置词组错误";
  if (UserPhraseExists(code, text)) return "已存在此词组";
  return nullptr;
}

}  // namespace

bool UserPhraseExists(const std::string& code, const std::string& text) {
  return QueryUserDictionary("select mbcode from " + ActiveWordTable() + " where  " +
                             PairCondition(code, text))
             ->RowCount() > 0;
}

bool AddUserPhrase(const std::string& code, const std::string& text) {
  if (const char* refusal = RefusalFor(code, text)) {
    ShowPhraseError(refusal);
    return false;
  }
  ExecuteOnUserDictionary(InsertStatement(code, text));
  return true;
}

bool ChangeUserPhrase(const std::string& oldCode, const std::string& oldText,
                      const std::string& newCode, const std::string& newText) {
  if (const char* refusal = RefusalFor(newCode, newText)) {
    ShowPhraseError(refusal);
    return false;
  }
  // The delete and the insert in one transaction, so that a failing insert leaves the old
  // pair stored (closing the connection without the commit rolls the delete back).
  TSQLiteDatabase db(DictionaryFile(kUserDictionary), kDictionaryPassword);
  db.Execute("begin immediate");
  db.Execute(DeleteStatement(oldCode, oldText));
  db.Execute(InsertStatement(newCode, newText));
  db.Execute("commit");
  return true;
}

bool DeleteUserPhrase(const std::string& code, const std::string& text) {
  ExecuteOnUserDictionary(DeleteStatement(code, text));
  return true;
}

void ListUserPhrases(HWND listView) {
  const std::unique_ptr<TSQLiteTable> rows =
      QueryUserDictionary("select mbcode,hzcode from " + ActiveWordTable());
  SendMessageA(listView, LVM_DELETEALLITEMS, 0, 0);
  for (; !rows->AtEnd(); rows->MoveNext()) {
    AppendPhraseItem(listView, rows->FieldTextOrEmpty(0), rows->FieldTextOrEmpty(1));
  }
}
