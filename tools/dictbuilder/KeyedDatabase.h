// A new dictionary file, encrypted with the key the module opens it with.
#pragma once

#include <string>

#include "ime/dictionary/SQLiteTable3.h"  // the password and key length the module uses

struct sqlite3;
struct sqlite3_stmt;

namespace dictbuilder {

struct KeyedDatabase {
  sqlite3* handle = nullptr;
  std::string path;
  KeyedDatabase() = default;
  KeyedDatabase(const KeyedDatabase&) = delete;
  KeyedDatabase& operator=(const KeyedDatabase&) = delete;
  ~KeyedDatabase();
};

// Replaces any file at path by a new empty database keyed before anything is written.
// Every failure throws std::runtime_error naming the file.
void CreateKeyedDatabase(KeyedDatabase& db, const std::string& path);
void Execute(KeyedDatabase& db, const std::string& sql);

// A prepared statement, finalized when it goes out of scope.
struct PreparedStatement {
  sqlite3_stmt* handle = nullptr;
  PreparedStatement() = default;
  PreparedStatement(const PreparedStatement&) = delete;
  PreparedStatement& operator=(const PreparedStatement&) = delete;
  ~PreparedStatement();
};

void Prepare(KeyedDatabase& db, const std::string& sql, PreparedStatement& statement);
// Binds the two values as text, steps once and resets.
void InsertTextRow(KeyedDatabase& db, PreparedStatement& statement,
                   const std::string& first, const std::string& second);
// Closes the file; throws when SQLite cannot finish it.
void CloseKeyedDatabase(KeyedDatabase& db);

}  // namespace dictbuilder
