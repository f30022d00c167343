// Failures of the access layer and their exact messages.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>

#include "ime/dictionary/SQLiteTable3.h"
#include "tests/native/ExceptionMessage.h"
#include "tests/native/KeyedDatabaseFiles.h"

namespace {

class SQLiteErrors : public ::testing::Test {
protected:
  void SetUp() override {
    path = folder.File("user.db");
    MakeDictionary(path, {"create table lmt_zx(mbcode text, hzcode text, unique(mbcode))",
                          "insert into lmt_zx values('a', 'x')"});
  }

  TempFolder folder;
  std::string path;
};

TEST_F(SQLiteErrors, MissingFileFailsToOpenAndIsNotCreated) {
  const std::string missing = folder.File("lmtsys_q.db");
  EXPECT_EQ(ExceptionMessage([&] { TSQLiteDatabase db(missing, kDictionaryPassword); }),
            "Failed to open database \"" + missing + "\" : unable to open database file");
  EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(SQLiteErrors, UnopenableFileNamesTheFileAndSQLitesReason) {
  const std::string name = folder.File("no-such-folder/x.db");
  EXPECT_EQ(ExceptionMessage([&] { TSQLiteDatabase db(name, kDictionaryPassword); }),
            "Failed to open database \"" + name + "\" : unable to open database file");
}

TEST_F(SQLiteErrors, EmptyOrCommentOnlySqlFailsWithTheBareMessage) {
  TSQLiteDatabase db(path, kDictionaryPassword);
  for (const std::string sql : {"", "   ", "-- nothing", "/* nothing */"}) {
    EXPECT_EQ(ExceptionMessage([&] { db.Query(sql); }), "Could not prepare SQL statement") << sql;
    EXPECT_EQ(ExceptionMessage([&] { db.Execute(sql); }), "Could not prepare SQL statement") << sql;
  }
}

TEST_F(SQLiteErrors, SyntaxErrorCarriesCodeTextSqlAndDetail) {
  TSQLiteDatabase db(path, kDictionaryPassword);
  EXPECT_EQ(ExceptionMessage([&] { db.Execute("delete form lmt_zx"); }),
            "Error executing SQL.\rError [1]: SQL error or missing database.\r"
            "\"delete form lmt_zx\": near \"form\": syntax error");
}

TEST_F(SQLiteErrors, FailedStepIsReportedAndTheConnectionStaysUsable) {
  TSQLiteDatabase db(path, kDictionaryPassword);
  const std::string insert = "insert into lmt_zx values('a', 'y')";
  EXPECT_EQ(ExceptionMessage([&] { db.Execute(insert); }),
            "Error executing SQL statement.\rError [19]: Abort due to contraint violation.\r\"" +
                insert + "\": UNIQUE constraint failed: lmt_zx.mbcode");
  db.Execute("insert into lmt_zx values('b', 'y')");
  EXPECT_EQ(db.Query("select * from lmt_zx")->RowCount(), 2u);
}

TEST_F(SQLiteErrors, ExecuteRunsOnlyTheFirstStatement) {
  {
    TSQLiteDatabase db(path, kDictionaryPassword);
    db.Execute("insert into lmt_zx values('c', 'z'); delete from lmt_zx");
  }
  TSQLiteDatabase db(path, kDictionaryPassword);
  EXPECT_EQ(db.Query("select * from lmt_zx")->RowCount(), 2u);
}

TEST_F(SQLiteErrors, FileKeyedDifferentlyIsRefused) {
  const std::string other = folder.File("other.db");
  MakeKeyedDatabase(other, "abcd", 4, {"create table lmt_zx(mbcode text, hzcode text)"});
  TSQLiteDatabase db(other, kDictionaryPassword);
  EXPECT_EQ(ExceptionMessage([&] { db.Query("select * from lmt_zx"); }),
            "Error executing SQL.\rError [26]: File opened that is not a database file.\r"
            "\"select * from lmt_zx\": file is not a database");
}

TEST_F(SQLiteErrors, OnlyTheFirstFourBytesOfThePasswordAreTheKey) {
  TSQLiteDatabase db(path, "qevrXXXX");
  EXPECT_EQ(db.Query("select * from lmt_zx")->RowCount(), 1u);
}

TEST_F(SQLiteErrors, ShortPasswordIsUsedWhole) {
  const std::string shortKeyed = folder.File("short.db");
  MakeKeyedDatabase(shortKeyed, "ab", 2, {"create table t(a text)", "insert into t values('v')"});
  TSQLiteDatabase db(shortKeyed, "ab");
  EXPECT_EQ(db.Query("select a from t")->FieldText(0), "v");
}

class SQLiteLocked : public SQLiteErrors {
protected:
  void SetUp() override {
    SQLiteErrors::SetUp();
    writer = OpenKeyedRaw(path, kDictionaryPassword, kDictionaryKeyLength);
    ExecRaw(writer, "begin exclusive");
    ExecRaw(writer, "insert into lmt_zx values('w', 'w')");
  }
  void TearDown() override {
    ExecRaw(writer, "rollback");
    sqlite3_close(writer);
  }
  sqlite3* writer = nullptr;
};

TEST_F(SQLiteLocked, LockMetWhilePreparingReportsErrorFive) {
  TSQLiteDatabase db(path, kDictionaryPassword);
  const std::string sql = "select hzcode from lmt_zx where mbcode = 'a'";
  EXPECT_EQ(ExceptionMessage([&] { db.Query(sql); }),
            "Error executing SQL.\rError [5]: The database file is locked.\r\"" + sql +
                "\": database is locked");
}

TEST_F(SQLiteLocked, LockMetWhileSteppingGivesTheBusyMessageAlone) {
  // Preparing this pragma reads nothing from the file; only its step needs the lock.
  TSQLiteDatabase db(path, kDictionaryPassword);
  EXPECT_EQ(ExceptionMessage([&] { db.Query("pragma user_version"); }),
            "Could not prepare SQL statement");
}

}  // namespace
