// The SQLite library "lmtdbmanger.dll", loaded by its full path from the module's own folder
// (where the installer puts it, beside lumatori.ime in each system directory) at the first
// dictionary operation. A static import would be looked for in the host application's folder
// first, so a file of that name there would run inside every application using the input
// method. Each function here forwards to the library's; without the library every open fails
// and the access layer reports it like any other file that cannot be opened.
#include <windows.h>

#include <sqlite3.h>

#include <string>

namespace {

#define LMT_SQLITE_FUNCTIONS(X)                                                              \
  X(sqlite3_open_v2) X(sqlite3_key) X(sqlite3_limit) X(sqlite3_close) X(sqlite3_errcode)    \
  X(sqlite3_errmsg) X(sqlite3_prepare_v2) X(sqlite3_step) X(sqlite3_reset) X(sqlite3_finalize) \
  X(sqlite3_column_count) X(sqlite3_column_name) X(sqlite3_column_decltype)                   \
  X(sqlite3_column_type) X(sqlite3_column_int64) X(sqlite3_column_double)                     \
  X(sqlite3_column_text) X(sqlite3_column_bytes) X(sqlite3_column_blob)                       \
  X(sqlite3_get_autocommit) X(sqlite3_backup_init) X(sqlite3_backup_step)                      \
  X(sqlite3_backup_finish) X(sqlite3_busy_timeout) X(sqlite3_bind_text)

struct Library {
#define LMT_SQLITE_POINTER(name) decltype(&::name) name = nullptr;
  LMT_SQLITE_FUNCTIONS(LMT_SQLITE_POINTER)
#undef LMT_SQLITE_POINTER
  bool loaded = false;  // every function above was found
};

// The folder of the file this code is linked into, with its trailing backslash.
std::wstring OwnFolder() {
  HMODULE self = nullptr;
  if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                              GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          reinterpret_cast<LPCWSTR>(&OwnFolder), &self)) {
    return std::wstring();
  }
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return std::wstring();
  std::wstring folder(path, length);
  return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

template <typename Function>
bool Find(HMODULE module, const char* name, Function* function) {
  *function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  return *function != nullptr;
}

Library Load() {
  Library library;
  const std::wstring folder = OwnFolder();
  if (folder.empty()) return library;
  // The library's own imports are looked for beside it, not beside the application.
  HMODULE module = LoadLibraryExW((folder + L"lmtdbmanger.dll").c_str(), nullptr,
                                  LOAD_WITH_ALTERED_SEARCH_PATH);
  if (!module) return library;
  bool found = true;
#define LMT_SQLITE_FIND(name) found = Find(module, #name, &library.name) && found;
  LMT_SQLITE_FUNCTIONS(LMT_SQLITE_FIND)
#undef LMT_SQLITE_FIND
  library.loaded = found;
  return library;
}

// Loaded once per process, kept for its life.
const Library& Sqlite() {
  static const Library library = Load();
  return library;
}

}  // namespace

extern "C" {

int sqlite3_open_v2(const char* name, sqlite3** db, int flags, const char* vfs) {
  if (!Sqlite().loaded) {
    *db = nullptr;
    return SQLITE_CANTOPEN;
  }
  return Sqlite().sqlite3_open_v2(name, db, flags, vfs);
}

// Without the library no connection exists, so the functions below are only reached with one.
int sqlite3_key(sqlite3* db, const void* key, int length) {
  return Sqlite().sqlite3_key(db, key, length);
}
int sqlite3_limit(sqlite3* db, int id, int value) {
  return Sqlite().sqlite3_limit(db, id, value);
}
int sqlite3_get_autocommit(sqlite3* db) { return Sqlite().sqlite3_get_autocommit(db); }

int sqlite3_busy_timeout(sqlite3* db, int milliseconds) {
  return Sqlite().sqlite3_busy_timeout(db, milliseconds);
}
int sqlite3_close(sqlite3* db) { return db ? Sqlite().sqlite3_close(db) : SQLITE_OK; }
int sqlite3_errcode(sqlite3* db) { return db ? Sqlite().sqlite3_errcode(db) : SQLITE_CANTOPEN; }
const char* sqlite3_errmsg(sqlite3* db) {
  return db ? Sqlite().sqlite3_errmsg(db) : "lmtdbmanger.dll cannot be loaded";
}
int sqlite3_prepare_v2(sqlite3* db, const char* sql, int length, sqlite3_stmt** statement,
                       const char** tail) {
  return Sqlite().sqlite3_prepare_v2(db, sql, length, statement, tail);
}
int sqlite3_bind_text(sqlite3_stmt* statement, int index, const char* text, int length,
                      void (*destructor)(void*)) {
  return Sqlite().sqlite3_bind_text(statement, index, text, length, destructor);
}
int sqlite3_step(sqlite3_stmt* statement) { return Sqlite().sqlite3_step(statement); }
int sqlite3_reset(sqlite3_stmt* statement) { return Sqlite().sqlite3_reset(statement); }
int sqlite3_finalize(sqlite3_stmt* statement) {
  return statement ? Sqlite().sqlite3_finalize(statement) : SQLITE_OK;
}
int sqlite3_column_count(sqlite3_stmt* statement) {
  return Sqlite().sqlite3_column_count(statement);
}
const char* sqlite3_column_name(sqlite3_stmt* statement, int column) {
  return Sqlite().sqlite3_column_name(statement, column);
}
const char* sqlite3_column_decltype(sqlite3_stmt* statement, int column) {
  return Sqlite().sqlite3_column_decltype(statement, column);
}
int sqlite3_column_type(sqlite3_stmt* statement, int column) {
  return Sqlite().sqlite3_column_type(statement, column);
}
sqlite3_int64 sqlite3_column_int64(sqlite3_stmt* statement, int column) {
  return Sqlite().sqlite3_column_int64(statement, column);
}
double sqlite3_column_double(sqlite3_stmt* statement, int column) {
  return Sqlite().sqlite3_column_double(statement, column);
}
const unsigned char* sqlite3_column_text(sqlite3_stmt* statement, int column) {
  return Sqlite().sqlite3_column_text(statement, column);
}
int sqlite3_column_bytes(sqlite3_stmt* statement, int column) {
  return Sqlite().sqlite3_column_bytes(statement, column);
}
const void* sqlite3_column_blob(sqlite3_stmt* statement, int column) {
  return Sqlite().sqlite3_column_blob(statement, column);
}
sqlite3_backup* sqlite3_backup_init(sqlite3* destination, const char* destinationName,
                                    sqlite3* source, const char* sourceName) {
  return Sqlite().sqlite3_backup_init(destination, destinationName, source, sourceName);
}
int sqlite3_backup_step(sqlite3_backup* copy, int pages) {
  return Sqlite().sqlite3_backup_step(copy, pages);
}
int sqlite3_backup_finish(sqlite3_backup* copy) {
  return copy ? Sqlite().sqlite3_backup_finish(copy) : SQLITE_OK;
}

}  // extern "C"
