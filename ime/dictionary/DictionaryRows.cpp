#include "ime/dictionary/DictionaryRows.h"

DictionaryRows::DictionaryRows(const Opener& open, const BoundSql& statement) {
  try {
    db = open();
    cursor = std::make_unique<TSQLiteCursor>(*db, statement.sql, statement.values);
  } catch (const ESQLiteException&) {
    readable = false;
  }
}

std::string DictionaryRows::FieldTextOrEmpty(std::uint32_t column) const {
  return cursor ? cursor->FieldTextOrEmpty(column) : std::string();
}

void DictionaryRows::MoveNext() {
  if (!cursor) return;
  try {
    cursor->MoveNext();
  } catch (const ESQLiteException&) {
    cursor.reset();
    readable = false;
  }
}
