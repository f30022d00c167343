#include "tests/native/KeyedDatabaseFiles.h"

#include <atomic>
#include <chrono>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "ime/dictionary/SQLiteTable3.h"

TempFolder::TempFolder() {
  static std::atomic<unsigned> counter{0};
  const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
  path_ = std::filesystem::temp_directory_path() /
          ("lmt-sqlite-" + std::to_string(stamp) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::File(const std::string& name) const {
  // Joined as bytes so that a GBK name passes through unconverted.
  return path_.string() + static_cast<char>(std::filesystem::path::preferred_separator) + name;
}

sqlite3* OpenKeyedRaw(const std::string& utf8Path, const std::string& key, int keyLength) {
  sqlite3* db = nullptr;
  const int opened = sqlite3_open(utf8Path.c_str(), &db);
  EXPECT_EQ(opened, SQLITE_OK) << utf8Path;
  sqlite3_key(db, key.data(), keyLength);
  return db;
}

void ExecRaw(sqlite3* db, const std::string& sql) {
  char* error = nullptr;
  const int result = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
  EXPECT_EQ(result, SQLITE_OK) << sql << ": " << (error ? error : "");
  sqlite3_free(error);
}

void MakeKeyedDatabase(const std::string& utf8Path, const std::string& key, int keyLength,
                       const std::vector<std::string>& statements) {
  sqlite3* db = OpenKeyedRaw(utf8Path, key, keyLength);
  ExecRaw(db, "begin");
  for (const std::string& sql : statements) ExecRaw(db, sql);
  ExecRaw(db, "commit");
  sqlite3_close(db);
}

void MakeDictionary(const std::string& utf8Path, const std::vector<std::string>& statements) {
  MakeKeyedDatabase(utf8Path, kDictionaryPassword, kDictionaryKeyLength, statements);
}
