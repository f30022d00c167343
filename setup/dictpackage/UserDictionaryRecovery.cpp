#include "setup/dictpackage/UserDictionaryRecovery.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <utility>
#include <variant>
#include <vector>

#include "ime/dictionary/SQLiteTable3.h"
#include "ime/dictionary/SqlText.h"
#include "setup/common/ProductNames.h"
#include "setup/dictpackage/InstallFiles.h"

namespace {

const char* const kPhraseTables[] = {"lmt_sx", "lmt_zx"};

using Phrase = std::pair<std::string, std::string>;

bool Exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool HasTable(TSQLiteDatabase& db, const char* table) {
  return db.Query("select name from sqlite_master where type='table' and name=" +
                  SqlQuote(table))
             ->RowCount() > 0;
}

// Reads the rows of table in the order given until the end or the first row that cannot
// be read, keeping each readable phrase (code and text both present) under its row id.
void ReadRows(TSQLiteDatabase& db, const char* table, const char* order,
              std::map<std::int64_t, Phrase>* rows) {
  try {
    TSQLiteCursor cursor(db, std::string("select rowid, mbcode, hzcode from ") + table +
                                 " order by rowid " + order);
    for (; !cursor.AtEnd(); cursor.MoveNext()) {
      const std::int64_t* rowid = std::get_if<std::int64_t>(&cursor.Row()[0]);
      const std::string code = cursor.FieldTextOrEmpty(1);
      const std::string text = cursor.FieldTextOrEmpty(2);
      if (rowid && !code.empty() && !text.empty()) rows->emplace(*rowid, Phrase(code, text));
    }
  } catch (const ESQLiteException&) {
    // A damaged page ends this pass; what lies beyond it the other pass reads.
  }
}

// The readable phrases of table in their order: a pass from the first row and one from
// the last, so that a damaged stretch in the middle loses only its own rows.
std::vector<Phrase> ReadablePhrases(TSQLiteDatabase& db, const char* table) {
  std::map<std::int64_t, Phrase> rows;
  ReadRows(db, table, "asc", &rows);
  ReadRows(db, table, "desc", &rows);
  std::vector<Phrase> phrases;
  for (const auto& [rowid, phrase] : rows) phrases.push_back(phrase);
  return phrases;
}

}  // namespace

std::string DamagedCopyPath(const std::string& path, int year, int month, int day, int n) {
  const std::string folder = path.substr(0, path.find_last_of('\\') + 1);
  char name[64];
  if (n <= 1)
    std::snprintf(name, sizeof name, "lmtsys_User.damaged-%04d%02d%02d.db", year, month, day);
  else
    std::snprintf(name, sizeof name, "lmtsys_User.damaged-%04d%02d%02d-%d.db", year, month, day, n);
  return folder + name;
}

bool UserDictionaryIsSound(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return true;
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return false;
  try {
    TSQLiteDatabase db(path, kDictionaryPassword);
    const std::unique_ptr<TSQLiteTable> check = db.Query("pragma quick_check");
    if (check->AtEnd() || check->FieldTextOrEmpty(0) != "ok") return false;
    for (const char* table : kPhraseTables)
      if (HasTable(db, table)) return true;
    return false;
  } catch (const ESQLiteException&) {
    return false;
  }
}

std::string MoveDamagedAside(const std::string& path) {
  SYSTEMTIME today;
  GetLocalTime(&today);
  for (int n = 1; n < 1000; ++n) {
    const std::string aside = DamagedCopyPath(path, today.wYear, today.wMonth, today.wDay, n);
    if (Exists(aside)) continue;
    // Never over another file: an earlier damaged copy is the user's too.
    if (MoveFileExA(path.c_str(), aside.c_str(), MOVEFILE_WRITE_THROUGH)) return aside;
    if (GetLastError() != ERROR_ALREADY_EXISTS && GetLastError() != ERROR_FILE_EXISTS) break;
  }
  return std::string();
}

int CarryOverReadablePhrases(const std::string& damaged, const std::string& fresh) {
  std::vector<std::pair<const char*, std::vector<Phrase>>> found;
  try {
    // Read only, never changed: the damaged copy stays as it was found. A damaged part of
    // the schema (an index, the statistics) is passed over rather than failing every query.
    TSQLiteDatabase db(damaged, kDictionaryPassword, FileWrites::replacedWhole);
    db.Execute("pragma writable_schema=on");
    for (const char* table : kPhraseTables) found.push_back({table, ReadablePhrases(db, table)});
  } catch (const ESQLiteException&) {
    return 0;  // nothing in it can be read
  }
  try {
    TSQLiteDatabase db(fresh, kDictionaryPassword);
    int copied = 0;
    db.Execute("begin immediate");
    for (const auto& [table, phrases] : found) {
      for (const Phrase& phrase : phrases) {
        db.Execute(std::string("insert into ") + table + " values(" + SqlQuote(phrase.first) +
                   "," + SqlQuote(phrase.second) + ")");
        ++copied;
      }
    }
    db.Execute("commit");
    return copied;
  } catch (const ESQLiteException&) {
    return 0;  // the connection closes without the commit: the fresh file stays empty
  }
}

DictionaryInstallation InstallDictionaries(const std::string& installDir,
                                           const std::vector<PayloadFile>& files) {
  DictionaryInstallation done;
  const std::string userFile = installDir + kUserDictionary;
  if (!UserDictionaryIsSound(userFile)) done.damagedCopy = MoveDamagedAside(userFile);
  done.written = InstallFiles(installDir, files, &done.held);
  if (done.damagedCopy.empty()) return done;
  if (done.written) {
    done.recovered = CarryOverReadablePhrases(done.damagedCopy, userFile);
  } else if (MoveFileExA(done.damagedCopy.c_str(), userFile.c_str(), MOVEFILE_WRITE_THROUGH)) {
    done.damagedCopy.clear();  // a failed installation leaves the old files as they were
  }
  return done;
}
