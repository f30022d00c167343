// The dictionary connections a process keeps open between operations: opening and keying a
// file costs more than a key's lookup. One connection per file and thread (applications run
// input contexts on several threads), each used by one operation at a time, with its
// prepared statements and a small page cache. A connection is closed after
// kConnectionIdleLimit without an operation, when it met an error, when it was left inside a
// transaction, and when the file on disk is no longer the one it opened.
//
// SQLite sees another process's writes at its next statement. Nothing here may run under the
// loader lock: the process's connections are closed at ImeDestroy and by the idle check on
// the module's threads, never at process detach.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "ime/dictionary/SQLiteTable3.h"

inline constexpr std::chrono::seconds kConnectionIdleLimit{30};
// The page cache of each kept connection, in KiB.
inline constexpr int kHeldPageCacheKiB = 256;

struct HeldConnection;

// A connection lent to one operation, given back when destroyed. Empty when moved from.
class HeldDatabase {
public:
  HeldDatabase() = default;
  HeldDatabase(HeldDatabase&& other) noexcept;
  HeldDatabase& operator=(HeldDatabase&& other) noexcept;
  ~HeldDatabase();

  TSQLiteDatabase& operator*() const { return *db; }
  TSQLiteDatabase* operator->() const { return db; }

private:
  friend HeldDatabase HoldDatabase(const std::string&,
                                   const std::function<std::unique_ptr<TSQLiteDatabase>()>&);
  void GiveBack() noexcept;

  TSQLiteDatabase* db = nullptr;
  HeldConnection* held = nullptr;          // the kept connection lent, or
  std::unique_ptr<TSQLiteDatabase> alone;  // one for this operation only
};

// This thread's connection to fileName (its path, as the key), opened with open when none is
// kept or the kept one cannot be used. open raises ESQLiteException as the connection's
// constructor does. A thread that holds its connection to the file already gets a
// connection of its own for this operation.
HeldDatabase HoldDatabase(const std::string& fileName,
                          const std::function<std::unique_ptr<TSQLiteDatabase>()>& open);

// Closes the connections of every thread that no operation has used for idleFor; a lent
// connection is left alone. Every HoldDatabase runs it first.
void CloseIdleConnections(std::chrono::steady_clock::duration idleFor = kConnectionIdleLimit);

// Closes every connection of the process; one lent at the time closes when given back. For
// ImeDestroy, and before this process writes a dictionary file other than through its
// statements (a restored backup).
void CloseHeldConnections();

// How many connections the process keeps open.
std::size_t HeldConnectionCount();
