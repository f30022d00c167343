// Reading results through TSQLiteTable: cell kinds, the type map and the cursor.
#include <gtest/gtest.h>

#include "ime/dictionary/SQLiteTable3.h"
#include "tests/native/ExceptionMessage.h"
#include "tests/native/KeyedDatabaseFiles.h"

namespace {

class SQLiteTableRead : public ::testing::Test {
protected:
  void SetUp() override {
    path = folder.File("read.db");
    MakeDictionary(path, {
        "create table lmt_zx(mbcode text, hzcode text)",
        "insert into lmt_zx values('a', '工')",
        "insert into lmt_zx values('aa', NULL)",
        "insert into lmt_zx values('ab', CAST(x'41420043' AS TEXT))",
        "create table nums(lower numeric, upper INTEGER, r REAL, n NUMERIC, f FLOAT,"
        " d DOUBLE, b BOOLEAN, v VARCHAR(10), untyped, i integer, lb boolean)",
        "insert into nums values(42, 9007199254740993, 0.1, 2.5, -2.7, 1e20, 1, 'x', 7, 3, 1)",
        "insert into nums values(NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, 'text', 4, 0)",
        "create table blobs(b BLOB)",
        "insert into blobs values(x'00FF41')",
        "insert into blobs values(x'')",
        "insert into blobs values(NULL)",
    });
  }

  std::unique_ptr<TSQLiteTable> Query(const std::string& sql) {
    TSQLiteDatabase db(path, kDictionaryPassword);
    return db.Query(sql);
  }

  TempFolder folder;
  std::string path;
};

TEST_F(SQLiteTableRead, QueryWithoutRowsIsEmptyAndAtEndAtOnce) {
  auto table = Query("select mbcode, hzcode from lmt_zx where mbcode = 'zzz'");
  EXPECT_EQ(table->RowCount(), 0u);
  EXPECT_EQ(table->ColumnCount(), 0u);
  EXPECT_TRUE(table->AtEnd());
  EXPECT_FALSE(table->MoveNext());
  EXPECT_TRUE(table->ColumnNames().empty());
}

TEST_F(SQLiteTableRead, RowsAreVisitedInOrderUntilAtEnd) {
  auto table = Query("select hzcode, mbcode from lmt_zx order by mbcode");
  ASSERT_EQ(table->RowCount(), 3u);
  ASSERT_EQ(table->ColumnCount(), 2u);
  std::vector<std::string> codes;
  while (!table->AtEnd()) {
    codes.push_back(table->FieldTextOrEmpty(1));
    EXPECT_TRUE(table->MoveNext());
  }
  EXPECT_EQ(codes, (std::vector<std::string>{"a", "aa", "ab"}));
  EXPECT_FALSE(table->MoveNext());
}

TEST_F(SQLiteTableRead, GbkTextIsReadByteForByte) {
  auto table = Query("select hzcode from lmt_zx where mbcode = 'a'");
  ASSERT_EQ(table->RowCount(), 1u);
  EXPECT_EQ(table->FieldText(0), "\xB9\xA4");  // 工
}

TEST_F(SQLiteTableRead, NullTextReadsAsEmpty) {
  auto table = Query("select hzcode from lmt_zx where mbcode = 'aa'");
  ASSERT_EQ(table->RowCount(), 1u);
  EXPECT_EQ(table->FieldTextOrEmpty(0), "");
  EXPECT_EQ(table->FieldText(0), "");
  EXPECT_EQ(table->FieldInt64(0), 0);
  EXPECT_EQ(table->FieldBlob(0), nullptr);
}

TEST_F(SQLiteTableRead, TextEndsAtItsFirstZeroByte) {
  auto table = Query("select hzcode from lmt_zx where mbcode = 'ab'");
  ASSERT_EQ(table->RowCount(), 1u);
  EXPECT_EQ(table->FieldText(0), "AB");
}

TEST_F(SQLiteTableRead, DeclaredTypesAreMappedExactlyAndCaseSensitively) {
  auto table = Query("select * from nums");
  ASSERT_EQ(table->ColumnCount(), 11u);
  // SQLite itself reports the standard names INTEGER, REAL, BLOB and TEXT in upper case
  // however they were declared, so a column declared "integer" arrives as "INTEGER".
  EXPECT_EQ(table->ColumnTypes(), (std::vector<int>{3, 1, 2, 2, 2, 2, 1, 3, 1, 1, 3}));
  EXPECT_EQ(table->ColumnNames(), (std::vector<std::string>{"LOWER", "UPPER", "R", "N", "F", "D",
                                                            "B", "V", "UNTYPED", "I", "LB"}));
}

TEST_F(SQLiteTableRead, LowerCaseNumericTypeIsText) {
  auto table = Query("select lower, lb from nums");
  EXPECT_EQ(table->FieldText(0), "42");
  EXPECT_EQ(table->FieldText(1), "1");
  EXPECT_EQ(ExceptionMessage([&] { table->FieldInt64(0); }), "Not an integer or numeric field");
  EXPECT_EQ(ExceptionMessage([&] { table->FieldDouble(1); }), "Not an integer or numeric field");
}

TEST_F(SQLiteTableRead, IntegerColumnKeepsAll64Bits) {
  auto table = Query("select upper, b from nums");
  EXPECT_EQ(table->FieldInt64(0), 9007199254740993);
  EXPECT_EQ(table->FieldText(0), "9007199254740993");
  EXPECT_EQ(table->FieldDouble(1), 1.0);
  table->MoveNext();
  EXPECT_EQ(table->FieldText(0), "0");
  EXPECT_EQ(table->FieldTextOrEmpty(0), "");
  EXPECT_EQ(table->FieldInt64(0), 0);
}

TEST_F(SQLiteTableRead, FloatingColumnsUseFifteenSignificantDigits) {
  auto table = Query("select r, n, f, d, 1.0/3, 123456789012345678.0 from nums");
  EXPECT_EQ(table->FieldText(0), "0.1");
  EXPECT_EQ(table->FieldText(1), "2.5");
  EXPECT_EQ(table->FieldText(2), "-2.7");
  EXPECT_EQ(table->FieldText(3), "1e+20");
  EXPECT_EQ(table->FieldText(4), "0.333333333333333");
  EXPECT_EQ(table->FieldText(5), "1.23456789012346e+17");
  EXPECT_EQ(table->FieldInt64(2), -2);
  EXPECT_EQ(table->FieldInt64(1), 2);
  EXPECT_DOUBLE_EQ(table->FieldDouble(2), -2.7);
  table->MoveNext();
  EXPECT_EQ(table->FieldText(0), "0");
  EXPECT_EQ(table->FieldTextOrEmpty(0), "");
  EXPECT_EQ(table->FieldDouble(0), 0.0);
}

TEST_F(SQLiteTableRead, FloatBeyondInt64SaturatesInsteadOfOverflowing) {
  auto table = Query("select 1e300, -1e300, 9.3e18");
  EXPECT_EQ(table->FieldInt64(0), INT64_MAX);
  EXPECT_EQ(table->FieldInt64(1), INT64_MIN);
  EXPECT_EQ(table->FieldInt64(2), INT64_MAX);
}

TEST_F(SQLiteTableRead, BlobsAreCopiedAndEmptyBlobIsAbsent) {
  auto table = Query("select b from blobs order by rowid");
  ASSERT_EQ(table->RowCount(), 3u);
  ASSERT_NE(table->FieldBlob(0), nullptr);
  EXPECT_EQ(*table->FieldBlob(0), (SQLiteBlob{0x00, 0xFF, 0x41}));
  EXPECT_EQ(table->FieldBlobText(0), std::string("\0\xFF" "A", 3));
  EXPECT_EQ(table->FieldText(0), std::string("\0\xFF" "A", 3));
  EXPECT_THROW(table->FieldInt64(0), ESQLiteException);
  table->MoveNext();
  EXPECT_EQ(table->FieldBlob(0), nullptr);
  EXPECT_EQ(table->FieldBlobText(0), "");
  EXPECT_EQ(table->FieldTextOrEmpty(0), "");
  table->MoveNext();
  EXPECT_EQ(table->FieldBlob(0), nullptr);
}

TEST_F(SQLiteTableRead, BlobAccessorsRefuseOtherColumns) {
  auto table = Query("select mbcode, 5 from lmt_zx");
  for (std::uint32_t column : {0u, 1u}) {
    EXPECT_EQ(ExceptionMessage([&] { table->FieldBlob(column); }), "Not a Blob field");
    EXPECT_EQ(ExceptionMessage([&] { table->FieldBlobText(column); }), "Not a Blob field");
  }
}

TEST_F(SQLiteTableRead, UntypedColumnsTakeTheFirstRowsStorageClass) {
  auto table = Query("select 1, 2.5, 'x', x'01', NULL");
  EXPECT_EQ(table->ColumnTypes(), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(table->FieldText(0), "1");
  EXPECT_EQ(table->FieldText(1), "2.5");
  EXPECT_EQ(table->FieldText(3), "\x01");
  EXPECT_EQ(table->FieldText(4), "");
  EXPECT_EQ(table->FieldDouble(4), 0.0);
}

TEST_F(SQLiteTableRead, UntypedColumnKeepsTheTypeOfItsFirstRow) {
  // First row 7 (integer): the later text 'text' is read as an integer.
  auto table = Query("select untyped from nums order by rowid");
  EXPECT_EQ(table->ColumnTypes(), (std::vector<int>{1}));
  EXPECT_EQ(table->FieldInt64(0), 7);
  table->MoveNext();
  EXPECT_EQ(table->FieldInt64(0), 0);
  // First row NULL: type 5, whose values read as empty text.
  auto nullFirst = Query("select NULL union all select 'later'");
  EXPECT_EQ(nullFirst->ColumnTypes(), (std::vector<int>{5}));
  nullFirst->MoveNext();
  EXPECT_EQ(nullFirst->FieldText(0), "");
  EXPECT_THROW(nullFirst->FieldDouble(0), ESQLiteException);
}

TEST_F(SQLiteTableRead, ColumnNamesAreUpperCasedWithoutTouchingGbk) {
  // 癮 is B0 61: its trail byte is a lower-case letter and must stay as it is.
  auto table = Query("select mbcode as Code_x, hzcode as \"癮a\" from lmt_zx limit 1");
  EXPECT_EQ(table->ColumnNames(), (std::vector<std::string>{"CODE_X", "\xB0\x61" "A"}));
}

TEST_F(SQLiteTableRead, TableOutlivesItsConnection) {
  std::unique_ptr<TSQLiteTable> table;
  {
    TSQLiteDatabase db(path, kDictionaryPassword);
    table = db.Query("select mbcode, hzcode from lmt_zx order by mbcode");
  }
  EXPECT_EQ(table->RowCount(), 3u);
  EXPECT_EQ(table->FieldText(0), "a");
  EXPECT_EQ(table->FieldText(1), "\xB9\xA4");
}

TEST_F(SQLiteTableRead, GbkFolderAndFileNameOpenTheRightFile) {
  // Made through SQLite's own UTF-8 name, opened through the GBK name.
  std::filesystem::create_directory(folder.Path() / std::filesystem::u8path(u8"词典目录"));
  MakeDictionary(folder.File(u8"词典目录") + "/" + u8"用户词典.db",
                 {"create table lmt_zx(mbcode text, hzcode text)",
                  "insert into lmt_zx values('gbk', '汉')"});
  TSQLiteDatabase db(folder.File("词典目录") + "/用户词典.db", kDictionaryPassword);
  auto table = db.Query("select mbcode, hzcode from lmt_zx");
  ASSERT_EQ(table->RowCount(), 1u);
  EXPECT_EQ(table->FieldText(0), "gbk");
  EXPECT_EQ(table->FieldText(1), "\xBA\xBA");  // 汉
}

TEST_F(SQLiteTableRead, ConstructorRunsTheQueryLikeQuery) {
  TSQLiteDatabase db(path, kDictionaryPassword);
  TSQLiteTable table(db, "select count(*) from lmt_zx");
  EXPECT_EQ(table.FieldInt64(0), 3);
}

TEST_F(SQLiteTableRead, ReadingPastTheLastRowFails) {
  auto table = Query("select mbcode from lmt_zx where mbcode = 'a'");
  EXPECT_TRUE(table->MoveNext());
  EXPECT_TRUE(table->AtEnd());
  const std::string atEnd = "Table is at End of File";
  EXPECT_EQ(ExceptionMessage([&] { table->FieldTextOrEmpty(0); }), atEnd);
  EXPECT_EQ(ExceptionMessage([&] { table->FieldText(0); }), atEnd);
  EXPECT_EQ(ExceptionMessage([&] { table->FieldInt64(0); }), atEnd);
  EXPECT_EQ(ExceptionMessage([&] { table->FieldDouble(0); }), atEnd);
  EXPECT_EQ(ExceptionMessage([&] { table->FieldBlob(0); }), atEnd);
  EXPECT_EQ(ExceptionMessage([&] { table->FieldBlobText(0); }), atEnd);
}

TEST_F(SQLiteTableRead, ColumnBeyondTheResultFails) {
  auto table = Query("select mbcode from lmt_zx");
  EXPECT_THROW(table->FieldText(1), ESQLiteException);
  EXPECT_THROW(table->FieldTextOrEmpty(100000), ESQLiteException);
}

}  // namespace
