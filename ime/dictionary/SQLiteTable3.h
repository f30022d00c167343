// Thin access layer over SQLite for the dictionary files: a connection per file (kept between
// operations by HeldConnections), results read completely into memory (TSQLiteTable) or a
// row at a time (TSQLiteCursor), every failure raised as ESQLiteException.
#pragma once

#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <utility>
#include <variant>
#include <vector>

struct sqlite3;

// Every dictionary file is opened with this password; the codec receives only its first
// kDictionaryKeyLength bytes as the key.
inline constexpr char kDictionaryPassword[] = "qevrotsab";
inline constexpr int kDictionaryKeyLength = 4;

// The longest text, blob or row any dictionary holds: a longer one is damage, and a lookup
// reading up to 999 of them would take the application's memory. SQLite refuses longer
// values on every connection of the layer ("string or blob too big").
inline constexpr int kMaxValueBytes = 4096;

class ESQLiteException : public std::exception {
public:
  explicit ESQLiteException(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }

private:
  std::string message_;
};

class TSQLiteTable;
struct sqlite3_stmt;

// How a dictionary file may change while a connection has it open.
enum class FileWrites {
  // Written by statements of other connections: SQLite's file locks keep readers apart.
  inPlace,
  // Only ever replaced whole, by a rename over it, which Windows refuses while any
  // connection holds the file: it cannot change under a reader, so it is read-only and read
  // without locks or change checks, which under Wine cost more than the rest of an open.
  replacedWhole,
  // Written in place, and made empty when missing: a backup copy, or a user dictionary
  // brought back from one.
  madeWhenMissing,
};

class TSQLiteDatabase {
public:
  // fileName is in the ANSI code page (GBK). Opens and keys the file, which must exist: a
  // missing file is not created, its open fails.
  TSQLiteDatabase(const std::string& fileName, const std::string& password,
                  FileWrites writes = FileWrites::inPlace);
  ~TSQLiteDatabase();
  TSQLiteDatabase(const TSQLiteDatabase&) = delete;
  TSQLiteDatabase& operator=(const TSQLiteDatabase&) = delete;

  // Runs the first statement of sql, which must return no rows.
  void Execute(const std::string& sql);
  // Runs the first statement of sql, with values bound to its parameters as TSQLiteCursor
  // binds them, and reads all of its rows.
  std::unique_ptr<TSQLiteTable> Query(const std::string& sql,
                                      const std::vector<std::string>& values = {});
  // Copies the whole database into destination with SQLite's backup API, in one
  // transaction of destination: its readers see it as it was or as the copy, never between.
  void CopyInto(TSQLiteDatabase& destination);
  // Raises ESQLiteException from the connection's last error.
  [[noreturn]] void ReportError(const std::string& context, const std::string& sql);
  // How long a statement waits for another connection's lock on the file before it fails
  // as busy; 0 (the start) fails at once.
  void SetBusyWait(int milliseconds);

  // True once a statement of this connection has failed: such a connection is not kept.
  bool Failed() const { return failed; }
  // True while a transaction begun on this connection is neither committed nor rolled back.
  bool InTransaction() const;

private:
  friend class TSQLiteCursor;
  // A statement of sql, prepared once on this connection and reused by later cursors.
  sqlite3_stmt* TakeStatement(const std::string& sql);
  // Gives back a statement from TakeStatement, reset, for the next cursor of its sql.
  void GiveBackStatement(const std::string& sql, sqlite3_stmt* statement) noexcept;

  sqlite3* handle = nullptr;
  bool failed = false;
  // The prepared statements not in use, most recently given back last.
  std::vector<std::pair<std::string, sqlite3_stmt*>> statements;
};

// SQLite's storage-class numbering.
enum SQLiteColumnType : int {
  kColumnInteger = 1,
  kColumnFloat = 2,
  kColumnText = 3,
  kColumnBlob = 4,
  kColumnNull = 5,
};

using SQLiteBlob = std::vector<unsigned char>;
// monostate: absent (SQL NULL or a zero-length blob).
using SQLiteCell = std::variant<std::monostate, std::int64_t, double, std::string, SQLiteBlob>;

// The rows of one query read one at a time, as the caller asks for them, so that a caller
// that stops early never has the rest read. It keeps its statement on db until destroyed.
// Failures raise ESQLiteException as TSQLiteTable's do.
class TSQLiteCursor {
public:
  // Prepares sql on db (once: the statement is kept for the next cursor of the same sql),
  // binds values to its parameters ?1, ?2... in order, each as text up to its first zero
  // byte, and reads its first row.
  TSQLiteCursor(TSQLiteDatabase& db, const std::string& sql,
                const std::vector<std::string>& values = {});
  ~TSQLiteCursor();
  TSQLiteCursor(const TSQLiteCursor&) = delete;
  TSQLiteCursor& operator=(const TSQLiteCursor&) = delete;

  bool AtEnd() const { return atEnd; }
  // Reads the next row; false at the end.
  bool MoveNext();
  // The values of the current row, as TSQLiteTable reads them.
  std::vector<SQLiteCell>& Row() { return row; }
  std::string FieldTextOrEmpty(std::uint32_t column) const;
  // Known once the first row has been read.
  const std::vector<std::string>& ColumnNames() const { return columnNames; }
  const std::vector<int>& ColumnTypes() const { return columnTypes; }

private:
  void Bind(const std::vector<std::string>& values);
  void Step();

  TSQLiteDatabase& db;
  std::string sql;
  sqlite3_stmt* statement = nullptr;
  std::vector<std::string> columnNames;
  std::vector<int> columnTypes;
  std::vector<SQLiteCell> row;
  bool atEnd = false;
};

class TSQLiteTable {
public:
  // Runs sql on db with values bound as TSQLiteCursor binds them and reads every row; the
  // table does not refer to db afterwards.
  TSQLiteTable(TSQLiteDatabase& db, const std::string& sql,
               const std::vector<std::string>& values = {});
  // A result without rows, for a file that could not be read.
  TSQLiteTable() = default;

  bool AtEnd() const { return currentRow >= rowCount; }
  bool MoveNext();
  std::uint32_t RowCount() const { return rowCount; }
  std::uint32_t ColumnCount() const { return columnCount; }

  // Column indexes are 0-based. Each accessor raises "Table is at End of File" when AtEnd.
  std::string FieldTextOrEmpty(std::uint32_t column) const;
  std::string FieldText(std::uint32_t column) const;
  std::int64_t FieldInt64(std::uint32_t column) const;
  double FieldDouble(std::uint32_t column) const;
  // The blob of the current row, or nullptr for an absent cell; valid while the table lives.
  const SQLiteBlob* FieldBlob(std::uint32_t column) const;
  std::string FieldBlobText(std::uint32_t column) const;

  const std::vector<std::string>& ColumnNames() const { return columnNames; }
  const std::vector<int>& ColumnTypes() const { return columnTypes; }

private:
  const SQLiteCell& CurrentCell(std::uint32_t column) const;

  std::vector<SQLiteCell> cells;
  std::uint32_t rowCount = 0;
  std::uint32_t columnCount = 0;
  std::vector<std::string> columnNames;
  std::vector<int> columnTypes;
  std::uint32_t currentRow = 0;
};
