// A dictionary file locked by a writer in another process: the layer's statements fail at
// once; the user dictionary's operations wait for the lock a while first. And a phrase
// another process adds while this one keeps its connections open. The writer is this
// program started again with kHoldLockArgument or kAddPhraseArgument.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>
#include <sqlite3.h>

#include "ime/dictionary/CandidateLookup.h"
#include "ime/dictionary/HeldConnections.h"
#include "ime/dictionary/SQLiteTable3.h"
#include "ime/dictionary/UserPhrases.h"
#include "tests/native/ExceptionMessage.h"
#include "tests/native/KeyedDatabaseFiles.h"
#include "tests/native/lookup_dictionaries.h"
#include "tests/wine/support/Programs.h"

namespace {

const char kHoldLockArgument[] = "--hold-exclusive-lock";
const char kAddPhraseArgument[] = "--add-phrase";

// Child: adds a zx phrase to the user dictionary of the folder (given without its final
// backslash, which would escape the closing quote), as its phrase dialog would.
int AddPhrase(const std::string& folder) {
  const DictionarySet zx{folder + "\\", CodeScheme::zx};
  return AddUserPhrase(zx, {"ab", "乙"}) == PhraseRefusal::kNone ? 0 : 4;
}

// Child: takes the exclusive lock with an uncommitted write, signals ready, and keeps the
// lock until released (or a minute passes).
int HoldLock(const std::string& path, const std::string& eventBase) {
  HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, (eventBase + "-ready").c_str());
  HANDLE release = OpenEventA(SYNCHRONIZE, FALSE, (eventBase + "-release").c_str());
  if (!ready || !release) return 2;
  sqlite3* db = nullptr;
  sqlite3_open(path.c_str(), &db);
  sqlite3_key(db, kDictionaryPassword, kDictionaryKeyLength);
  const int locked = sqlite3_exec(db, "begin exclusive; insert into lmt_zx values('w', 'w')",
                                  nullptr, nullptr, nullptr);
  if (locked != SQLITE_OK) return 3;
  SetEvent(ready);
  WaitForSingleObject(release, 60000);
  sqlite3_exec(db, "rollback", nullptr, nullptr, nullptr);
  sqlite3_close(db);
  return 0;
}

class LockedByOtherProcess : public ::testing::Test {
protected:
  void SetUp() override {
    path = folder.File("lmtsys_User.db");
    MakeDictionary(path, {"create table lmt_zx(mbcode text, hzcode text)",
                          "insert into lmt_zx values('a', 'x')"});
    const std::string eventBase = "lmt-lock-test-" + std::to_string(GetCurrentProcessId());
    ready = CreateEventA(nullptr, TRUE, FALSE, (eventBase + "-ready").c_str());
    release = CreateEventA(nullptr, TRUE, FALSE, (eventBase + "-release").c_str());
    ASSERT_TRUE(ready && release);

    char self[MAX_PATH];
    ASSERT_GT(GetModuleFileNameA(nullptr, self, MAX_PATH), 0u);
    std::string commandLine = "\"" + std::string(self) + "\" " + kHoldLockArgument + " \"" +
                              path + "\" " + eventBase;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &startup, &process));
    CloseHandle(process.hThread);
    writer = process.hProcess;
    HANDLE waitFor[] = {ready, writer};
    ASSERT_EQ(WaitForMultipleObjects(2, waitFor, FALSE, 30000), WAIT_OBJECT_0)
        << "the writer did not take the lock";
  }

  void TearDown() override {
    CloseHeldConnections();  // the folder goes with the test
    if (release) SetEvent(release);
    if (writer) {
      if (WaitForSingleObject(writer, 30000) != WAIT_OBJECT_0) TerminateProcess(writer, 1);
      CloseHandle(writer);
    }
    if (ready) CloseHandle(ready);
    if (release) CloseHandle(release);
  }

  TempFolder folder;
  std::string path;
  HANDLE ready = nullptr;
  HANDLE release = nullptr;
  HANDLE writer = nullptr;
};

TEST_F(LockedByOtherProcess, LockMetWhilePreparingReportsErrorFive) {
  TSQLiteDatabase db(path, kDictionaryPassword);
  const std::string sql = "select hzcode,mbcode from lmt_zx where mbcode>='a'";
  const DWORD start = GetTickCount();
  EXPECT_EQ(ExceptionMessage([&] { db.Query(sql); }),
            "Error executing SQL.\rError [5]: The database file is locked.\r\"" + sql +
                "\": database is locked");
  EXPECT_LT(GetTickCount() - start, 1000u) << "the statement waited for the lock";
}

TEST_F(LockedByOtherProcess, LockMetWhileSteppingGivesTheBusyMessageAlone) {
  TSQLiteDatabase db(path, kDictionaryPassword);
  EXPECT_EQ(ExceptionMessage([&] { db.Query("pragma user_version"); }),
            "Could not prepare SQL statement");
}

TEST_F(LockedByOtherProcess, WritesFailToo) {
  TSQLiteDatabase db(path, kDictionaryPassword);
  const std::string sql = "insert into lmt_zx values('b', 'y')";
  EXPECT_EQ(ExceptionMessage([&] { db.Execute(sql); }),
            "Error executing SQL.\rError [5]: The database file is locked.\r\"" + sql +
                "\": database is locked");
}

TEST_F(LockedByOtherProcess, FileReadsAgainOnceTheWriterHasGone) {
  SetEvent(release);
  ASSERT_EQ(WaitForSingleObject(writer, 30000), WAIT_OBJECT_0);
  TSQLiteDatabase db(path, kDictionaryPassword);
  auto table = db.Query("select mbcode from lmt_zx");
  ASSERT_EQ(table->RowCount(), 1u);
  EXPECT_EQ(table->FieldText(0), "a");
}

TEST(HeldByThisProcess, APhraseAnotherProcessAddsIsOfferedAtTheNextLookup) {
  TempFolder folder;
  WriteDictionaryFolder(folder.File(""), {{"lmtsys_a.db", "lmt_zx", {{"工", "a"}}}});
  const DictionarySet zx{folder.File(""), CodeScheme::zx};
  const CandidateFilter filter{false, nullptr};
  EXPECT_EQ(LookupCandidates("a", zx, filter).records, std::vector<std::string>{"0工"});
  std::string folderArgument = folder.File("");
  folderArgument.pop_back();
  EXPECT_EQ(RunAndWait("\"" + BesideThisProgram("sqlite_access_test.exe") + "\" " +
                           kAddPhraseArgument + " \"" + folderArgument + "\"",
                       30000),
            0u);
  EXPECT_EQ(LookupCandidates("a", zx, filter).records,
            (std::vector<std::string>{"0工", "1乙\rb\r"}));
  CloseHeldConnections();
}

// Lets the writer go a moment after it starts.
DWORD WINAPI ReleaseSoon(LPVOID event) {
  Sleep(60);
  return SetEvent(static_cast<HANDLE>(event));
}

// A phrase saved while another application writes waits for it: the save goes through
// once that lock goes, well within the wait.
TEST_F(LockedByOtherProcess, PhraseSavedDuringAShortWriteWaitsForIt) {
  const DictionarySet dictionaries{folder.File(""), CodeScheme::zx};
  HANDLE releaser = CreateThread(nullptr, 0, ReleaseSoon, release, 0, nullptr);
  ASSERT_NE(releaser, nullptr);
  EXPECT_EQ(AddUserPhrase(dictionaries, {"b", "y"}), PhraseRefusal::kNone);
  WaitForSingleObject(releaser, INFINITE);
  CloseHandle(releaser);
  EXPECT_TRUE(UserPhraseExists(dictionaries, {"b", "y"}));
}

// A lock held longer than the waits: the save fails with the layer's own text after its
// wait; a key's lookup gives up after a far shorter one and lists no user phrase.
TEST_F(LockedByOtherProcess, OperationsFailWithTheLockTextAfterTheirWait) {
  const DictionarySet dictionaries{folder.File(""), CodeScheme::zx};
  DWORD start = GetTickCount();
  EXPECT_EQ(ExceptionMessage([&] { AddUserPhrase(dictionaries, {"b", "y"}); }),
            "Error executing SQL statement.\rError [5]: The database file is locked.\r\"begin "
            "immediate\": database is locked");
  const DWORD saveWaited = GetTickCount() - start;
  start = GetTickCount();
  const CandidateRecords found = LookupCandidates("a", dictionaries, {false, nullptr});
  const DWORD lookupWaited = GetTickCount() - start;
  EXPECT_FALSE(found.userReadable);
  EXPECT_GE(saveWaited, 200u);
  EXPECT_LT(lookupWaited, 150u);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == kHoldLockArgument) return HoldLock(argv[2], argv[3]);
  if (argc == 3 && std::string(argv[1]) == kAddPhraseArgument) return AddPhrase(argv[2]);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
