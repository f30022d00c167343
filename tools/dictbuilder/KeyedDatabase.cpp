#include "tools/dictbuilder/KeyedDatabase.h"

#include <sqlite3.h>

#include <cstdio>
#include <stdexcept>

namespace dictbuilder {

namespace {

[[noreturn]] void Fail(const KeyedDatabase& db, const std::string& what) {
  const char* message = db.handle ? sqlite3_errmsg(db.handle) : "out of memory";
  throw std::runtime_error(db.path + ": " + what + ": " + message);
}

}  // namespace

KeyedDatabase::~KeyedDatabase() {
  if (handle) sqlite3_close(handle);
}

void CreateKeyedDatabase(KeyedDatabase& db, const std::string& path) {
  db.path = path;
  std::remove(path.c_str());
  std::remove((path + "-journal").c_str());
  if (sqlite3_open_v2(path.c_str(), &db.handle, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                      nullptr) != SQLITE_OK)
    Fail(db, "cannot create");
  if (sqlite3_key(db.handle, kDictionaryPassword, kDictionaryKeyLength) != SQLITE_OK)
    Fail(db, "cannot set the key");
  // A build writes each file once from scratch; a crash leaves a file to delete anyway.
  Execute(db, "pragma journal_mode=off");
  Execute(db, "pragma synchronous=off");
}

void Execute(KeyedDatabase& db, const std::string& sql) {
  char* error = nullptr;
  if (sqlite3_exec(db.handle, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    const std::string message = error ? error : "unknown error";
    sqlite3_free(error);
    throw std::runtime_error(db.path + ": " + sql + ": " + message);
  }
}

PreparedStatement::~PreparedStatement() {
  sqlite3_finalize(handle);
}

void Prepare(KeyedDatabase& db, const std::string& sql, PreparedStatement& statement) {
  if (sqlite3_prepare_v2(db.handle, sql.c_str(), -1, &statement.handle, nullptr) != SQLITE_OK)
    Fail(db, "cannot prepare " + sql);
}

void InsertTextRow(KeyedDatabase& db, PreparedStatement& statement,
                   const std::string& first, const std::string& second) {
  sqlite3_stmt* s = statement.handle;
  sqlite3_bind_text(s, 1, first.data(), static_cast<int>(first.size()), SQLITE_STATIC);
  sqlite3_bind_text(s, 2, second.data(), static_cast<int>(second.size()), SQLITE_STATIC);
  const int result = sqlite3_step(s);
  sqlite3_reset(s);
  if (result != SQLITE_DONE) Fail(db, "cannot insert");
}

void CloseKeyedDatabase(KeyedDatabase& db) {
  if (sqlite3_close(db.handle) != SQLITE_OK) Fail(db, "cannot close");
  db.handle = nullptr;
}

}  // namespace dictbuilder
