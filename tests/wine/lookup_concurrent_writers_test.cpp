// Two processes writing one user dictionary at once, as two applications with the phrase
// dialog open would: each adds, changes and deletes phrases of its own in a loop and adds
// phrases both want. A lock met is waited for; an action that still failed would show the
// access layer's message and the user's next action (the same one again) would go through.
// No action may fail for a lock, no phrase may be lost or stored twice, and the file must
// pass its integrity check.
//
// Each writer is this program started again with kWriterArgument.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "ime/dictionary/SQLiteTable3.h"
#include "ime/dictionary/UserPhrases.h"
#include "tests/hostile/HostileFigures.h"
#include "tests/hostile/HostileValues.h"
#include "tests/native/KeyedDatabaseFiles.h"
#include "tests/wine/support/Programs.h"
#include "tools/dictbuilder/DictionaryFiles.h"

namespace {

const char kWriterArgument[] = "--writer";
constexpr int kMaxTries = 500;

using Pair = std::pair<std::string, std::string>;

Pair OwnPhrase(int writer, int serial) {
  return {"w" + std::to_string(writer) + "x" + std::to_string(serial),
          "甲" + std::to_string(writer) + "乙" + std::to_string(serial)};
}
Pair SharedPhrase(int k) { return {"s" + std::to_string(k), "共" + std::to_string(k)}; }

// The texts of the access layer when another process holds the file's lock.
bool IsLockMessage(const std::string& message) {
  return message.find("Error [5]: The database file is locked") != std::string::npos ||
         message == "Could not prepare SQL statement";
}

// What one writer did, written to a file for the test to read.
struct WriterReport {
  std::vector<Pair> own;           // its phrases it believes stored
  std::map<int, int> sharedAdded;  // shared phrase -> times its add answered true
  long operations = 0;
  long conflicts = 0;
  long otherMessages = 0;
  long abandoned = 0;
  long meetings = 0;  // shared phrases the other writer came to add at the same moment
};

// Both writers meet here before each shared phrase, so that they press Add for it at the
// same moment: one event each, set on arrival, the other's awaited.
struct Meeting {
  HANDLE mine, theirs;
  Meeting(int writer, const std::string& folder) {
    const std::string base = "lmt-writers-" + std::to_string(std::hash<std::string>()(folder));
    mine = CreateEventA(nullptr, FALSE, FALSE, (base + std::to_string(writer)).c_str());
    theirs = CreateEventA(nullptr, FALSE, FALSE, (base + std::to_string(1 - writer)).c_str());
  }
  ~Meeting() {
    CloseHandle(mine);
    CloseHandle(theirs);
  }
  // Whether the other came.
  bool Meet() {
    SetEvent(mine);
    return WaitForSingleObject(theirs, 2000) == WAIT_OBJECT_0;
  }
};

// One writer: kMaxTries times the same action at most, as a user pressing the button again
// after the error box.
int RunWriter(int writer, const std::string& folder, int operations, const std::string& report) {
  const DictionarySet dictionaries{folder + "\\", CodeScheme::sx};
  Meeting meeting(writer, folder);
  HostileRandom random(static_cast<std::uint64_t>(writer) * 7919);
  WriterReport done;
  int serial = 0;
  for (int i = 0; i < operations; ++i) {
    // Every other action adds the next shared phrase: both writers add the same phrases at
    // about the same time. The others add, change, delete or look for phrases of their own.
    const bool sharedAction = i % 2 == 1;
    const std::uint32_t choice = random.Below(9);
    const std::size_t pick = random.Below(static_cast<std::uint32_t>(std::max<size_t>(done.own.size(), 1)));
    const Pair fresh = OwnPhrase(writer, serial++);
    const int shared = i / 2;
    if (sharedAction && meeting.Meet()) ++done.meetings;
    for (int tries = 0;; ++tries) {
      if (tries == kMaxTries) {
        ++done.abandoned;
        break;
      }
      try {
        if (sharedAction) {
          const Pair phrase = SharedPhrase(shared);
          if (AddUserPhrase(dictionaries, {phrase.first, phrase.second}) == PhraseRefusal::kNone)
            ++done.sharedAdded[shared];
        } else if (choice < 4 || done.own.empty()) {
          if (AddUserPhrase(dictionaries, {fresh.first, fresh.second}) == PhraseRefusal::kNone)
            done.own.push_back(fresh);
        } else if (choice < 6) {
          const Pair old = done.own[pick];
          if (ChangeUserPhrase(dictionaries, {old.first, old.second},
                               {fresh.first, fresh.second}) == PhraseRefusal::kNone)
            done.own[pick] = fresh;
        } else if (choice < 8) {
          DeleteUserPhrase(dictionaries, {done.own[pick].first, done.own[pick].second});
          done.own.erase(done.own.begin() + static_cast<std::ptrdiff_t>(pick));
        } else {
          UserPhraseExists(dictionaries, {fresh.first, fresh.second});
        }
        break;
      } catch (const ESQLiteException& error) {
        ++done.conflicts;
        if (!IsLockMessage(error.what())) {
          ++done.otherMessages;
          std::fprintf(stderr, "writer %d: %s\n", writer, error.what());
        }
        Sleep(random.Below(4));
      }
    }
    ++done.operations;
  }
  std::ofstream out(report, std::ios::binary);
  out << done.operations << ' ' << done.conflicts << ' ' << done.otherMessages << ' '
      << done.abandoned << ' ' << done.meetings << '\n';
  for (const Pair& pair : done.own) out << "own " << pair.first << ' ' << pair.second << '\n';
  for (const auto& [k, times] : done.sharedAdded) out << "shared " << k << ' ' << times << '\n';
  return 0;
}

WriterReport ReadReport(const std::string& path) {
  WriterReport report;
  std::ifstream in(path, std::ios::binary);
  in >> report.operations >> report.conflicts >> report.otherMessages >> report.abandoned >>
      report.meetings;
  for (std::string kind; in >> kind;) {
    if (kind == "own") {
      Pair pair;
      in >> pair.first >> pair.second;
      report.own.push_back(pair);
    } else {
      int k = 0, times = 0;
      in >> k >> times;
      report.sharedAdded[k] = times;
    }
  }
  return report;
}

std::vector<Pair> StoredPairs(const std::string& path, std::string* integrity) {
  sqlite3* db = OpenKeyedRaw(path, kDictionaryPassword, kDictionaryKeyLength);
  std::vector<Pair> pairs;
  sqlite3_stmt* statement = nullptr;
  sqlite3_prepare_v2(db, "select mbcode, hzcode from lmt_sx", -1, &statement, nullptr);
  while (sqlite3_step(statement) == SQLITE_ROW) {
    pairs.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)),
                       reinterpret_cast<const char*>(sqlite3_column_text(statement, 1)));
  }
  sqlite3_finalize(statement);
  sqlite3_prepare_v2(db, "pragma integrity_check", -1, &statement, nullptr);
  *integrity = sqlite3_step(statement) == SQLITE_ROW
                   ? reinterpret_cast<const char*>(sqlite3_column_text(statement, 0))
                   : "no answer";
  sqlite3_finalize(statement);
  sqlite3_close(db);
  return pairs;
}

HANDLE StartWriter(int writer, const std::string& dir, int operations, const std::string& report) {
  std::string commandLine = "\"" + BesideThisProgram("hostile_writers.exe") + "\" " +
                            kWriterArgument + " " + std::to_string(writer) + " \"" + dir + "\" " +
                            std::to_string(operations) + " \"" + report + "\"";
  STARTUPINFOA startup = {sizeof startup};
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return nullptr;
  CloseHandle(process.hThread);
  return process.hProcess;
}

TEST(ConcurrentWritersTest, TwoProcessesLoseNoPhraseAndStoreNoneTwice) {
  TempFolder folder;
  const std::string dir = folder.Path().string();  // no trailing backslash: it would escape a quote
  dictbuilder::WriteUserFile(folder.File("lmtsys_User.db"));
  const int operations = HostileScale(300, 1000);

  HANDLE writers[2];
  for (int w = 0; w < 2; ++w) {
    writers[w] = StartWriter(w, dir, operations, folder.File("writer" + std::to_string(w) + ".txt"));
    ASSERT_NE(writers[w], nullptr);
  }
  ASSERT_EQ(WaitForMultipleObjects(2, writers, TRUE, 600000), WAIT_OBJECT_0);
  HostileFigures figures;
  figures.name = "writers";
  for (const char* count : {"inputs", "crashes", "lock_conflicts", "other_messages",
                            "actions_abandoned", "phrases_lost", "phrases_duplicated",
                            "statements_changed", "integrity_failures"})
    figures[count] = 0;
  for (HANDLE writer : writers) {
    DWORD code = 1;
    GetExitCodeProcess(writer, &code);
    if (code != 0) ++figures["crashes"];
    CloseHandle(writer);
  }

  std::string integrity;
  const std::vector<Pair> stored = StoredPairs(folder.File("lmtsys_User.db"), &integrity);
  if (integrity != "ok") ++figures["integrity_failures"];
  std::map<Pair, int> expected;  // pair -> times it must be stored
  long meetings = 0;
  for (int w = 0; w < 2; ++w) {
    const WriterReport report = ReadReport(folder.File("writer" + std::to_string(w) + ".txt"));
    figures["inputs"] += report.operations;
    figures["lock_conflicts"] += report.conflicts;
    figures["other_messages"] += report.otherMessages;
    figures["actions_abandoned"] += report.abandoned;
    meetings += report.meetings;
    for (const Pair& pair : report.own) ++expected[pair];
    for (const auto& [k, times] : report.sharedAdded) {
      expected[SharedPhrase(k)] += times;
    }
  }
  for (const auto& [pair, times] : expected) {
    // Stored once, and added once: two adds that both answered true are a duplicate too.
    const long count = std::count(stored.begin(), stored.end(), pair);
    if (count < 1) ++figures["phrases_lost"];
    figures["phrases_duplicated"] += std::max<long>({0, count - 1, times - 1});
  }
  for (const Pair& pair : stored)
    if (!expected.count(pair)) ++figures["statements_changed"];  // a row nobody kept
  figures.Print();
  EXPECT_EQ(figures.Faults(), 0);
  EXPECT_EQ(figures["lock_conflicts"], 0) << "actions failed for a lock their wait should outlast";
  EXPECT_GT(meetings, operations / 2) << "the writers seldom met: the test proves little";
}

}  // namespace

int main(int argc, char** argv) {
  // A writer never runs the test itself, whatever its command line: that would start
  // writers of its own.
  if (argc > 1 && std::string(argv[1]) == kWriterArgument)
    return argc == 6 ? RunWriter(std::atoi(argv[2]), argv[3], std::atoi(argv[4]), argv[5]) : 2;
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
