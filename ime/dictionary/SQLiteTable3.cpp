#include "ime/dictionary/SQLiteTable3.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>
#include <new>

#include <sqlite3.h>

#include "ime/common/AnsiText.h"
#include "ime/common/PercentEncoding.h"
#include "ime/dictionary/SQLiteResultText.h"
#include "ime/dictionary/SqlText.h"

namespace {

struct StatementFinalizer {
  void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

// Upper-cases ASCII letters, leaving both bytes of a GBK double-byte character alone.
std::string UpperCaseName(const char* name) {
  std::string upper = name ? name : "";
  for (size_t i = 0; i < upper.size(); ++i) {
    const unsigned char byte = static_cast<unsigned char>(upper[i]);
    if (byte >= 0x81 && byte <= 0xFE)
      ++i;
    else if (byte >= 'a' && byte <= 'z')
      upper[i] = static_cast<char>(byte - 'a' + 'A');
  }
  return upper;
}

// The type a column's cells are read as, from its declared type or else from the storage
// class of its first value. The comparison is exact and case-sensitive.
int ColumnTypeOf(sqlite3_stmt* statement, int column) {
  const char* declared = sqlite3_column_decltype(statement, column);
  if (!declared) return sqlite3_column_type(statement, column);
  const auto is = [declared](const char* name) { return std::strcmp(declared, name) == 0; };
  if (is("INTEGER") || is("BOOLEAN")) return kColumnInteger;
  if (is("NUMERIC") || is("FLOAT") || is("DOUBLE") || is("REAL")) return kColumnFloat;
  if (is("BLOB")) return kColumnBlob;
  return kColumnText;
}

SQLiteCell ReadCell(sqlite3_stmt* statement, int column, int columnType) {
  if (sqlite3_column_type(statement, column) == SQLITE_NULL) return std::monostate();
  switch (columnType) {
    case kColumnInteger:
      return static_cast<std::int64_t>(sqlite3_column_int64(statement, column));
    case kColumnFloat:
      return sqlite3_column_double(statement, column);
    case kColumnBlob: {
      const auto* bytes = static_cast<const unsigned char*>(sqlite3_column_blob(statement, column));
      const int length = sqlite3_column_bytes(statement, column);
      if (!bytes || length <= 0) return std::monostate();
      return SQLiteBlob(bytes, bytes + length);
    }
    default: {
      // Text ends at its first zero byte.
      const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
      return std::string(text ? text : "");
    }
  }
}

std::string FloatText(double value) {
  char buffer[32];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  return std::string(buffer, result.ptr);
}

// Truncates toward zero; values beyond the 64-bit range saturate and NaN reads as 0.
std::int64_t TruncatedInt64(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kLimit = 9223372036854775808.0;  // 2^63
  if (value >= kLimit) return std::numeric_limits<std::int64_t>::max();
  if (value < -kLimit) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(value);
}

std::string BlobText(const SQLiteBlob& blob) { return std::string(blob.begin(), blob.end()); }

// A value as text by its column's type.
std::string CellText(const SQLiteCell& cell, int type) {
  if (std::holds_alternative<std::monostate>(cell))
    return type == kColumnInteger || type == kColumnFloat ? "0" : "";
  switch (type) {
    case kColumnInteger:
      return std::to_string(std::get<std::int64_t>(cell));
    case kColumnFloat:
      return FloatText(std::get<double>(cell));
    case kColumnBlob:
      return BlobText(std::get<SQLiteBlob>(cell));
    case kColumnNull:
      return std::string();
    default:
      return std::get<std::string>(cell);
  }
}

std::string CellTextOrEmpty(const SQLiteCell& cell, int type) {
  return std::holds_alternative<std::monostate>(cell) ? std::string() : CellText(cell, type);
}

const char kNotNumeric[] = "Not an integer or numeric field";
const char kNotBlob[] = "Not a Blob field";
const char kBusyMessage[] = "Could not prepare SQL statement";
const char kOutOfMemoryMessage[] = "Could not retrieve data.\rError [7]: A malloc() failed.";

// The prepared statements a connection keeps: the lookups of the codes typed last.
constexpr std::size_t kKeptStatements = 16;

// Runs read; an allocation failing in it (a row or result larger than the memory left) is
// the layer's error, like any other failure to read, and never reaches the application.
template <typename Read>
void ReadingRows(const Read& read) {
  try {
    read();
  } catch (const std::bad_alloc&) {
    throw ESQLiteException(kOutOfMemoryMessage);
  }
}

// The URI naming the file at utf8Path for SQLite's read-only, lock-free open. Encoded
// whole, the path has no "/" that SQLite could take for an authority and no "?" or "#".
std::string ImmutableFileUri(const std::string& utf8Path) {
  return "file:" + PercentEncode(utf8Path) + "?immutable=1";
}

}  // namespace

TSQLiteDatabase::TSQLiteDatabase(const std::string& fileName, const std::string& password,
                                 FileWrites writes) {
  const bool whole = writes == FileWrites::replacedWhole;
  const std::string utf8Path = AnsiToUtf8(fileName);
  const std::string utf8Name = whole ? ImmutableFileUri(utf8Path) : utf8Path;
  const int flags = whole ? SQLITE_OPEN_READONLY | SQLITE_OPEN_URI
                  : writes == FileWrites::madeWhenMissing ? SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE
                                                          : SQLITE_OPEN_READWRITE;
  sqlite3* opened = nullptr;
  // Never created: an empty file in place of a missing dictionary would stay there, and the
  // dictionary package keeps a user dictionary it finds.
  if (sqlite3_open_v2(utf8Name.c_str(), &opened, flags, nullptr) != SQLITE_OK) {
    const std::string quoted = "Failed to open database \"" + fileName + "\" : ";
    if (!opened) throw ESQLiteException(quoted + "unknown error");
    const std::string detail = sqlite3_errmsg(opened);
    sqlite3_close(opened);
    throw ESQLiteException(quoted + detail);
  }
  handle = opened;
  sqlite3_limit(handle, SQLITE_LIMIT_LENGTH, kMaxValueBytes);
  // The codec takes the first four bytes of the password; a shorter password is passed
  // whole rather than read past its end.
  const int keyLength = std::min(kDictionaryKeyLength, static_cast<int>(password.size()));
  sqlite3_key(handle, password.data(), keyLength);
}

TSQLiteDatabase::~TSQLiteDatabase() {
  for (const auto& kept : statements) sqlite3_finalize(kept.second);
  if (handle) sqlite3_close(handle);
}

void TSQLiteDatabase::SetBusyWait(int milliseconds) { sqlite3_busy_timeout(handle, milliseconds); }

bool TSQLiteDatabase::InTransaction() const { return sqlite3_get_autocommit(handle) == 0; }

sqlite3_stmt* TSQLiteDatabase::TakeStatement(const std::string& sql) {
  for (auto kept = statements.rbegin(); kept != statements.rend(); ++kept) {
    if (kept->first != sql) continue;
    sqlite3_stmt* statement = kept->second;
    statements.erase(std::next(kept).base());
    return statement;
  }
  sqlite3_stmt* statement = nullptr;
  const int result = sqlite3_prepare_v2(handle, sql.c_str(), -1, &statement, nullptr);
  if (result != SQLITE_OK) ReportError("Error executing SQL", sql);
  if (!statement) ReportError("Could not prepare SQL statement", sql);
  return statement;
}

void TSQLiteDatabase::GiveBackStatement(const std::string& sql, sqlite3_stmt* statement) noexcept {
  // Reset, it holds no lock on the file: another process may write between two keys.
  if (failed || sqlite3_reset(statement) != SQLITE_OK) {
    sqlite3_finalize(statement);
    return;
  }
  if (statements.size() >= kKeptStatements) {
    sqlite3_finalize(statements.front().second);
    statements.erase(statements.begin());
  }
  // Given back from a cursor's destructor: a statement memory cannot keep is finalized.
  try {
    statements.emplace_back(sql, statement);
  } catch (const std::bad_alloc&) {
    sqlite3_finalize(statement);
  }
}

void TSQLiteDatabase::ReportError(const std::string& context, const std::string& sql) {
  failed = true;
  const int code = sqlite3_errcode(handle);
  if (code == SQLITE_OK) throw ESQLiteException(context);
  throw ESQLiteException(context + ".\rError [" + std::to_string(code) +
                         "]: " + SQLiteResultText(code) + ".\r\"" + sql +
                         "\": " + sqlite3_errmsg(handle));
}

void TSQLiteDatabase::Execute(const std::string& sql) {
  sqlite3_stmt* prepared = nullptr;
  const int result = sqlite3_prepare_v2(handle, sql.c_str(), -1, &prepared, nullptr);
  Statement statement(prepared);
  if (result != SQLITE_OK) ReportError("Error executing SQL", sql);
  if (!statement) ReportError("Could not prepare SQL statement", sql);
  if (sqlite3_step(statement.get()) != SQLITE_DONE) {
    sqlite3_reset(statement.get());
    ReportError("Error executing SQL statement", sql);
  }
}

void TSQLiteDatabase::CopyInto(TSQLiteDatabase& destination) {
  const std::string context = "Could not copy the database";
  sqlite3_backup* copy = sqlite3_backup_init(destination.handle, "main", handle, "main");
  if (!copy) destination.ReportError(context, "backup");
  const int stepped = sqlite3_backup_step(copy, -1);
  // Finishing sets destination's error from the step, and releases its locks.
  const int finished = sqlite3_backup_finish(copy);
  if (stepped != SQLITE_DONE || finished != SQLITE_OK) destination.ReportError(context, "backup");
}

std::unique_ptr<TSQLiteTable> TSQLiteDatabase::Query(const std::string& sql,
                                                     const std::vector<std::string>& values) {
  return std::make_unique<TSQLiteTable>(*this, sql, values);
}

TSQLiteCursor::TSQLiteCursor(TSQLiteDatabase& db, const std::string& sql,
                             const std::vector<std::string>& values)
    : db(db), sql(sql) {
  statement = db.TakeStatement(sql);
  try {
    Bind(values);
    Step();
  } catch (const ESQLiteException&) {
    sqlite3_finalize(statement);  // no destructor runs for an object never made
    throw;
  }
}

TSQLiteCursor::~TSQLiteCursor() { db.GiveBackStatement(sql, statement); }

bool TSQLiteCursor::MoveNext() {
  if (atEnd) return false;
  Step();
  return !atEnd;
}

void TSQLiteCursor::Bind(const std::vector<std::string>& values) {
  for (size_t i = 0; i < values.size(); ++i) {
    const std::string value = TextValue(values[i]);
    // Copied by SQLite: the statement outlives this cursor's values.
    if (sqlite3_bind_text(statement, static_cast<int>(i + 1), value.data(),
                          static_cast<int>(value.size()), SQLITE_TRANSIENT) != SQLITE_OK)
      db.ReportError("Could not bind SQL parameter", sql);
  }
}

void TSQLiteCursor::Step() {
  ReadingRows([this] {
    row.clear();
    const int step = sqlite3_step(statement);
    if (step == SQLITE_DONE) {
      atEnd = true;
      return;
    }
    if (step == SQLITE_BUSY) {
      db.failed = true;
      throw ESQLiteException(kBusyMessage);
    }
    if (step != SQLITE_ROW) {
      sqlite3_reset(statement);
      db.ReportError("Could not retrieve data", sql);
    }
    const int count = sqlite3_column_count(statement);
    if (columnTypes.empty()) {
      for (int c = 0; c < count; ++c) {
        columnNames.push_back(UpperCaseName(sqlite3_column_name(statement, c)));
        columnTypes.push_back(ColumnTypeOf(statement, c));
      }
    }
    for (int c = 0; c < count; ++c)
      row.push_back(ReadCell(statement, c, columnTypes[static_cast<size_t>(c)]));
  });
}

std::string TSQLiteCursor::FieldTextOrEmpty(std::uint32_t column) const {
  if (atEnd) throw ESQLiteException("Table is at End of File");
  if (column >= row.size()) throw ESQLiteException("Column index out of range");
  return CellTextOrEmpty(row[column], columnTypes[column]);
}

TSQLiteTable::TSQLiteTable(TSQLiteDatabase& db, const std::string& sql,
                           const std::vector<std::string>& values) {
  TSQLiteCursor cursor(db, sql, values);
  // Every row is held in memory.
  ReadingRows([&] {
    columnNames = cursor.ColumnNames();
    columnTypes = cursor.ColumnTypes();
    columnCount = static_cast<std::uint32_t>(columnTypes.size());
    for (; !cursor.AtEnd(); cursor.MoveNext()) {
      ++rowCount;
      for (SQLiteCell& cell : cursor.Row()) cells.push_back(std::move(cell));
    }
  });
  currentRow = 0;
}

bool TSQLiteTable::MoveNext() {
  if (AtEnd()) return false;
  ++currentRow;
  return true;
}

const SQLiteCell& TSQLiteTable::CurrentCell(std::uint32_t column) const {
  if (AtEnd()) throw ESQLiteException("Table is at End of File");
  if (column >= columnCount) throw ESQLiteException("Column index out of range");
  return cells[static_cast<size_t>(currentRow) * columnCount + column];
}

std::string TSQLiteTable::FieldTextOrEmpty(std::uint32_t column) const {
  const SQLiteCell& cell = CurrentCell(column);  // checks the column first
  return CellTextOrEmpty(cell, columnTypes[column]);
}

std::string TSQLiteTable::FieldText(std::uint32_t column) const {
  const SQLiteCell& cell = CurrentCell(column);
  return CellText(cell, columnTypes[column]);
}

std::int64_t TSQLiteTable::FieldInt64(std::uint32_t column) const {
  const SQLiteCell& cell = CurrentCell(column);
  if (std::holds_alternative<std::monostate>(cell)) return 0;
  switch (columnTypes[column]) {
    case kColumnInteger:
      return std::get<std::int64_t>(cell);
    case kColumnFloat:
      return TruncatedInt64(std::get<double>(cell));
    default:
      throw ESQLiteException(kNotNumeric);
  }
}

double TSQLiteTable::FieldDouble(std::uint32_t column) const {
  const SQLiteCell& cell = CurrentCell(column);
  if (std::holds_alternative<std::monostate>(cell)) return 0;
  switch (columnTypes[column]) {
    case kColumnInteger:
      return static_cast<double>(std::get<std::int64_t>(cell));
    case kColumnFloat:
      return std::get<double>(cell);
    default:
      throw ESQLiteException(kNotNumeric);
  }
}

const SQLiteBlob* TSQLiteTable::FieldBlob(std::uint32_t column) const {
  const SQLiteCell& cell = CurrentCell(column);
  if (std::holds_alternative<std::monostate>(cell)) return nullptr;
  if (columnTypes[column] != kColumnBlob) throw ESQLiteException(kNotBlob);
  return &std::get<SQLiteBlob>(cell);
}

std::string TSQLiteTable::FieldBlobText(std::uint32_t column) const {
  const SQLiteBlob* blob = FieldBlob(column);
  return blob ? BlobText(*blob) : std::string();
}
