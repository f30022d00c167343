#include "ime/dictionary/HeldConnections.h"

#include <map>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

#include "ime/dictionary/FileStamp.h"

struct HeldConnection {
  std::unique_ptr<TSQLiteDatabase> db;
  FileStamp stamp;  // the file as it was when db opened it
  std::chrono::steady_clock::time_point lastUse;
  bool lent = false;
  bool closeOnReturn = false;
};

namespace {

using Clock = std::chrono::steady_clock;
using Key = std::pair<std::string, std::thread::id>;

struct Connections {
  std::mutex lock;
  std::map<Key, std::unique_ptr<HeldConnection>> held;
};

// Never destroyed: its destructor would close connections at process detach, under the
// loader lock. ImeDestroy has closed them by then; what a process ends with, it leaves.
Connections& Kept() {
  static Connections* connections = new Connections;
  return *connections;
}

// Takes out of kept (whose lock the caller holds) the connections that pass close; they
// are closed by the caller after the lock is released.
template <typename Close>
std::vector<std::unique_ptr<TSQLiteDatabase>> TakeOut(Connections& kept, Close close) {
  std::vector<std::unique_ptr<TSQLiteDatabase>> closing;
  for (auto it = kept.held.begin(); it != kept.held.end();) {
    HeldConnection& connection = *it->second;
    if (connection.lent) {
      ++it;
      continue;
    }
    if (close(connection)) closing.push_back(std::move(connection.db));
    it = connection.db ? std::next(it) : kept.held.erase(it);
  }
  return closing;
}

// Opened by open, with the page cache bounded. A file the pragma fails on fails the
// operation's own statement next, with that statement's error, as without the pragma; the
// connection is not kept.
std::unique_ptr<TSQLiteDatabase> OpenBounded(
    const std::function<std::unique_ptr<TSQLiteDatabase>()>& open) {
  std::unique_ptr<TSQLiteDatabase> db = open();
  try {
    db->Execute("pragma cache_size=-" + std::to_string(kHeldPageCacheKiB));
  } catch (const ESQLiteException&) {
  }
  return db;
}

}  // namespace

HeldDatabase::HeldDatabase(HeldDatabase&& other) noexcept
    : db(std::exchange(other.db, nullptr)),
      held(std::exchange(other.held, nullptr)),
      alone(std::move(other.alone)) {}

HeldDatabase& HeldDatabase::operator=(HeldDatabase&& other) noexcept {
  if (this != &other) {
    GiveBack();
    db = std::exchange(other.db, nullptr);
    held = std::exchange(other.held, nullptr);
    alone = std::move(other.alone);
  }
  return *this;
}

HeldDatabase::~HeldDatabase() { GiveBack(); }

void HeldDatabase::GiveBack() noexcept {
  alone.reset();
  db = nullptr;
  if (!held) return;
  HeldConnection& connection = *std::exchange(held, nullptr);
  // A failed connection may be broken; one inside a transaction would keep its lock (closing
  // rolls it back).
  const bool keep =
      connection.db && !connection.db->Failed() && !connection.db->InTransaction();
  std::unique_ptr<TSQLiteDatabase> closing;
  {
    Connections& kept = Kept();
    std::lock_guard<std::mutex> guard(kept.lock);
    connection.lent = false;
    connection.lastUse = Clock::now();
    if (!keep || connection.closeOnReturn) closing = std::move(connection.db);
    connection.closeOnReturn = false;
  }
}

HeldDatabase HoldDatabase(const std::string& fileName,
                          const std::function<std::unique_ptr<TSQLiteDatabase>()>& open) {
  CloseIdleConnections();
  Connections& kept = Kept();
  HeldDatabase lent;
  HeldConnection* connection = nullptr;
  {
    std::lock_guard<std::mutex> guard(kept.lock);
    std::unique_ptr<HeldConnection>& slot = kept.held[{fileName, std::this_thread::get_id()}];
    if (!slot) slot = std::make_unique<HeldConnection>();
    if (!slot->lent) {
      slot->lent = true;
      connection = slot.get();
    }
  }
  if (!connection) {
    lent.alone = open();
    lent.db = lent.alone.get();
    return lent;
  }
  // From here the connection is this thread's alone until given back.
  lent.held = connection;
  const FileStamp stamp = StampOf(fileName);
  if (connection->db && connection->stamp != stamp) connection->db.reset();
  if (!connection->db) {
    connection->db = OpenBounded(open);  // on failure, given back empty and dropped
    connection->stamp = stamp;
  }
  lent.db = connection->db.get();
  return lent;
}

void CloseIdleConnections(Clock::duration idleFor) {
  Connections& kept = Kept();
  std::vector<std::unique_ptr<TSQLiteDatabase>> closing;
  const Clock::time_point now = Clock::now();
  std::lock_guard<std::mutex> guard(kept.lock);
  closing = TakeOut(kept, [&](const HeldConnection& connection) {
    return now - connection.lastUse >= idleFor;
  });
}

void CloseHeldConnections() {
  Connections& kept = Kept();
  std::vector<std::unique_ptr<TSQLiteDatabase>> closing;
  std::lock_guard<std::mutex> guard(kept.lock);
  for (auto& entry : kept.held) entry.second->closeOnReturn = entry.second->lent;
  closing = TakeOut(kept, [](const HeldConnection&) { return true; });
}

std::size_t HeldConnectionCount() {
  Connections& kept = Kept();
  std::lock_guard<std::mutex> guard(kept.lock);
  std::size_t count = 0;
  for (const auto& entry : kept.held) count += entry.second->db ? 1 : 0;
  return count;
}
