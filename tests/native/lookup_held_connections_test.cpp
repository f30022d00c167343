// Dictionary connections kept open between operations: what another connection writes, a
// user dictionary restored, replaced or deleted and a system file damaged while held, an
// operation that stopped inside its transaction or met a lock, the idle close, and lookups
// on several threads at once.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "ime/dictionary/CandidateLookup.h"
#include "ime/dictionary/HeldConnections.h"
#include "ime/dictionary/UserPhrases.h"
#include "tests/native/lookup_dictionaries.h"

namespace {

using Texts = std::vector<std::string>;
using Pairs = std::vector<UserPhrase>;

class HeldConnectionTest : public ::testing::Test {
protected:
  HeldConnectionTest() {
    CloseHeldConnections();
    AddDictionaryTable(folder.File("lmtsys_a.db"), "lmt_sx", {{"工", "a"}});
    AddDictionaryTable(user, "lmt_sx", {{"甲", "ab"}});
  }
  // Where an open file cannot be deleted (Windows), the folder can go.
  ~HeldConnectionTest() override { CloseHeldConnections(); }

  CandidateRecords Find() { return LookupCandidates("a", dictionaries, filter); }
  Texts Lookup() { return Find().records; }

  TempFolder folder;
  const std::string user = folder.File("lmtsys_User.db");
  DictionarySet dictionaries{folder.File(""), CodeScheme::sx};
  CandidateFilter filter{false, nullptr};
};

}  // namespace

TEST_F(HeldConnectionTest, APhraseAnotherConnectionAddsIsOfferedAtTheNextLookup) {
  EXPECT_EQ(Lookup(), (Texts{"0工", "1甲\rb\r"}));
  RunOnDictionary(user, {"insert into lmt_sx values('ac','乙')"});
  EXPECT_EQ(Lookup(), (Texts{"0工", "1甲\rb\r", "1乙\rc\r"}));
}

// As the phrase dialog restores a backup: through SQLite, into the live file.
TEST_F(HeldConnectionTest, ARestoredUserDictionaryIsReadAsItNowIs) {
  EXPECT_EQ(Lookup(), (Texts{"0工", "1甲\rb\r"}));
  const std::string backup = folder.File("backup.db");
  AddDictionaryTable(backup, "lmt_sx", {{"丙", "ad"}});
  sqlite3* from = OpenKeyedRaw(backup, kDictionaryPassword, kDictionaryKeyLength);
  sqlite3* to = OpenKeyedRaw(user, kDictionaryPassword, kDictionaryKeyLength);
  sqlite3_backup* copy = sqlite3_backup_init(to, "main", from, "main");
  ASSERT_NE(copy, nullptr) << sqlite3_errmsg(to);
  EXPECT_EQ(sqlite3_backup_step(copy, -1), SQLITE_DONE);
  EXPECT_EQ(sqlite3_backup_finish(copy), SQLITE_OK);
  sqlite3_close(to);
  sqlite3_close(from);
  EXPECT_EQ(Lookup(), (Texts{"0工", "1丙\rd\r"}));
  EXPECT_EQ(ListUserPhrases(dictionaries), (Pairs{{"ad", "丙"}}));
}

#ifndef _WIN32
// Windows refuses to replace or delete a file while a connection holds it.
TEST_F(HeldConnectionTest, AUserDictionaryReplacedOrDeletedWhileHeldIsNoticed) {
  EXPECT_EQ(Lookup(), (Texts{"0工", "1甲\rb\r"}));
  const std::string other = folder.File("reinstalled.db");
  AddDictionaryTable(other, "lmt_sx", {{"丁", "ae"}});
  std::filesystem::rename(other, user);
  EXPECT_EQ(Lookup(), (Texts{"0工", "1丁\re\r"}));
  std::filesystem::remove(user);
  const CandidateRecords found = Find();
  EXPECT_FALSE(found.userReadable);
  EXPECT_EQ(found.records, (Texts{"0工"}));
  EXPECT_THROW(ListUserPhrases(dictionaries), ESQLiteException);
  EXPECT_FALSE(std::filesystem::exists(user));
}
#endif

TEST_F(HeldConnectionTest, ASystemFileDamagedWhileHeldReadsAsDamaged) {
  EXPECT_EQ(Lookup(), (Texts{"0工", "1甲\rb\r"}));
  std::ofstream(folder.File("lmtsys_a.db"), std::ios::binary) << std::string(4096, 'Z');
  EXPECT_EQ(Lookup(), (Texts{"1甲\rb\r"}));
}

// A connection kept inside its transaction would hold the file's write lock from every
// other process.
TEST_F(HeldConnectionTest, AnOperationEndedInsideItsTransactionLeavesNoLock) {
  EXPECT_EQ(AddUserPhrase(dictionaries, {"ab", "甲"}), PhraseRefusal::kAlreadyStored);
  RunOnDictionary(user, {"insert into lmt_sx values('af','戊')"});
  RunOnDictionary(user, {"create trigger refuse before insert on lmt_sx when new.mbcode = 'ag' "
                         "begin select raise(abort, 'refused'); end"});
  EXPECT_THROW(ChangeUserPhrase(dictionaries, {"ab", "甲"}, {"ag", "己"}), ESQLiteException);
  RunOnDictionary(user, {"insert into lmt_sx values('ah','庚')"});
  EXPECT_EQ(AddUserPhrase(dictionaries, {"ai", "辛"}), PhraseRefusal::kNone);
  EXPECT_EQ(ListUserPhrases(dictionaries),
            (Pairs{{"ab", "甲"}, {"af", "戊"}, {"ah", "庚"}, {"ai", "辛"}}));
}

TEST_F(HeldConnectionTest, ALookupThatMetALockReadsAgainOnceItIsGone) {
  EXPECT_EQ(Lookup(), (Texts{"0工", "1甲\rb\r"}));
  sqlite3* writer = OpenKeyedRaw(user, kDictionaryPassword, kDictionaryKeyLength);
  ExecRaw(writer, "begin exclusive");
  ExecRaw(writer, "insert into lmt_sx values('ac','乙')");
  const CandidateRecords during = Find();
  EXPECT_FALSE(during.userReadable);
  EXPECT_EQ(during.records, (Texts{"0工"}));
  ExecRaw(writer, "commit");
  sqlite3_close(writer);
  const CandidateRecords after = Find();
  EXPECT_TRUE(after.userReadable);
  EXPECT_EQ(after.records, (Texts{"0工", "1甲\rb\r", "1乙\rc\r"}));
}

TEST_F(HeldConnectionTest, IdleConnectionsCloseAndALentOneWhenGivenBack) {
  Lookup();
  EXPECT_EQ(HeldConnectionCount(), 2u);
  CloseIdleConnections(std::chrono::hours(1));
  EXPECT_EQ(HeldConnectionCount(), 2u);
  CloseIdleConnections(std::chrono::seconds(0));
  EXPECT_EQ(HeldConnectionCount(), 0u);
  {
    const HeldDatabase lent = OpenUserDictionary(dictionaries);
    CloseHeldConnections();
    EXPECT_EQ(lent->Query("select count(*) from lmt_sx")->FieldInt64(0), 1);
  }
  EXPECT_EQ(HeldConnectionCount(), 0u);
  EXPECT_EQ(Lookup(), (Texts{"0工", "1甲\rb\r"}));
}

TEST_F(HeldConnectionTest, LookupsOnSeveralThreadsAtOnce) {
  // The first open gives the user dictionary its layout, a write that readers meet as a lock.
  EXPECT_EQ(Lookup(), (Texts{"0工", "1甲\rb\r"}));
  std::atomic<int> wrong{0};
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&] {
      for (int i = 0; i < 50; ++i) {
        if (Lookup() != Texts{"0工", "1甲\rb\r"}) ++wrong;
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(wrong, 0);
}
