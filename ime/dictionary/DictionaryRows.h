// The rows of one lookup statement in one dictionary file, read as the merge takes them:
// the rows past the last candidate the list can hold are never read.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "ime/dictionary/HeldConnections.h"
#include "ime/dictionary/SQLiteTable3.h"
#include "ime/dictionary/SqlText.h"

class DictionaryRows {
public:
  using Opener = std::function<HeldDatabase()>;

  // Opens the file with open and runs statement on it. A file that cannot be read (missing,
  // damaged, without the table) gives no rows, and one that fails part of the way ends its
  // rows there: one file's fault never takes the rows of the other with it.
  DictionaryRows(const Opener& open, const BoundSql& statement);

  bool AtEnd() const { return !cursor || cursor->AtEnd(); }
  std::string FieldTextOrEmpty(std::uint32_t column) const;
  void MoveNext();
  // False when the file could not be read, at its start or part of the way.
  bool Readable() const { return readable; }

private:
  // Declared before the cursor, so that the statement is finalized before the file closes.
  HeldDatabase db;
  std::unique_ptr<TSQLiteCursor> cursor;
  bool readable = true;
};
