#include "tests/native/lookup_dictionaries.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>

#include "ime/dictionary/SQLiteTable3.h"

namespace {

void InsertRows(sqlite3* db, const std::string& table, const std::vector<DictionaryRow>& rows) {
  sqlite3_stmt* insert = nullptr;
  ASSERT_EQ(sqlite3_prepare_v2(db, ("insert into " + table + " values(?, ?)").c_str(), -1,
                               &insert, nullptr),
            SQLITE_OK);
  for (const DictionaryRow& row : rows) {
    sqlite3_bind_text(insert, 1, row.code.data(), static_cast<int>(row.code.size()),
                      SQLITE_TRANSIENT);
    sqlite3_bind_text(insert, 2, row.text.data(), static_cast<int>(row.text.size()),
                      SQLITE_TRANSIENT);
    EXPECT_EQ(sqlite3_step(insert), SQLITE_DONE);
    sqlite3_reset(insert);
  }
  sqlite3_finalize(insert);
}

}  // namespace

void WriteDictionaryFiles(const std::string& folder,
                          const std::vector<DictionaryFileRows>& files) {
  std::vector<std::string> names;
  for (const DictionaryFileRows& file : files) {
    if (std::find(names.begin(), names.end(), file.file) == names.end()) names.push_back(file.file);
  }
  for (const std::string& name : names) {
    sqlite3* db = OpenKeyedRaw(folder + name, kDictionaryPassword, kDictionaryKeyLength);
    ExecRaw(db, "create table lmt_zx (mbcode text, hzcode text)");
    ExecRaw(db, "create table lmt_sx (mbcode text, hzcode text)");
    ExecRaw(db, "begin");
    for (const DictionaryFileRows& file : files) {
      if (file.file == name) InsertRows(db, file.table, file.rows);
    }
    ExecRaw(db, "commit");
    sqlite3_close(db);
  }
}

void WriteDictionaryFolder(const std::string& folder,
                           const std::vector<DictionaryFileRows>& files) {
  std::vector<DictionaryFileRows> withUser = files;
  const bool named = std::any_of(files.begin(), files.end(), [](const DictionaryFileRows& file) {
    return file.file == "lmtsys_User.db";
  });
  if (!named) withUser.push_back({"lmtsys_User.db", "lmt_zx", {}});
  WriteDictionaryFiles(folder, withUser);
}

std::vector<DictionaryFileRows> KeyTestRows() {
  return {{"lmtsys_a.db", "lmt_zx",
           {{"工", "a"}, {"式", "aa"}, {"节", "ab"}, {"芭", "ac"}, {"基", "ad"}, {"菜", "ae"},
            {"革", "af"}, {"七", "ag"}, {"牙", "ah"}, {"东", "ai"}, {"划", "abc"}, {"戒", "aaaa"},
            {"械", "aaaa"}}},
          {"lmtsys_b.db", "lmt_zx", {{"了", "bx"}}},
          {"lmtsys_,.db", "lmt_zx", {{"，", ","}}},
          {"lmtsys_z.db", "lmt_zx",
           {{"中国", "zg"}, {"仲", "zg"}, {"中国人", "zgr"}, {"中国话", "zgh"}}}};
}

void AddDictionaryTable(const std::string& path, const std::string& table,
                        const std::vector<DictionaryRow>& rows) {
  sqlite3* db = OpenKeyedRaw(path, kDictionaryPassword, kDictionaryKeyLength);
  ExecRaw(db, "create table " + table + " (mbcode text, hzcode text)");
  ExecRaw(db, "begin");
  InsertRows(db, table, rows);
  ExecRaw(db, "commit");
  sqlite3_close(db);
}

void RunOnDictionary(const std::string& path, const std::vector<std::string>& statements) {
  MakeDictionary(path, statements);
}
