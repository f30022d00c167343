#include "tests/native/lookup_dictionaries.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "ime/dictionary/SQLiteTable3.h"

void AddDictionaryTable(const std::string& path, const std::string& table,
                        const std::vector<DictionaryRow>& rows) {
  sqlite3* db = OpenKeyedRaw(path, kDictionaryPassword, kDictionaryKeyLength);
  ExecRaw(db, "create table " + table + " (mbcode text, hzcode text)");
  ExecRaw(db, "begin");
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
  ExecRaw(db, "commit");
  sqlite3_close(db);
}

void RunOnDictionary(const std::string& path, const std::vector<std::string>& statements) {
  MakeDictionary(path, statements);
}
