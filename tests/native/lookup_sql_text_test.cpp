// Values in SQL text, or bound to its parameters, round-trip through real statements without
// changing them.
#include <gtest/gtest.h>

#include "ime/dictionary/SQLiteTable3.h"
#include "ime/dictionary/SqlText.h"
#include "tests/native/KeyedDatabaseFiles.h"

namespace {

TEST(SqlQuote, DoublesInnerSingleQuotesOnly) {
  EXPECT_EQ(SqlQuote(""), "''");
  EXPECT_EQ(SqlQuote("it's"), "'it''s'");
  EXPECT_EQ(SqlQuote("\"a\";--"), "'\"a\";--'");
  EXPECT_EQ(SqlQuote("\xD6\xD0"), "'\xD6\xD0'");
}

using Texts = std::vector<std::string>;

// The statement text, then its bound values.
Texts Parts(const BoundSql& bound) {
  Texts parts = {bound.sql};
  parts.insert(parts.end(), bound.values.begin(), bound.values.end());
  return parts;
}

TEST(SqlPrefixRange, BoundsByTheNextByteString) {
  EXPECT_EQ(Parts(SqlPrefixRange("hzcode", "ab")),
            (Texts{"(hzcode >= ? AND hzcode < ?)", "ab", "ac"}));
  EXPECT_EQ(Parts(SqlPrefixRange("c", "a\xFF\xFF")),
            (Texts{"(c >= ? AND c < ?)", "a\xFF\xFF", "b"}));
  EXPECT_EQ(Parts(SqlPrefixRange("c", "\xFF")), (Texts{"(c >= ?)", "\xFF"}));
  EXPECT_EQ(Parts(SqlPrefixRange("c", "&")), (Texts{"(c >= ? AND c < ?)", "&", "'"}));
  EXPECT_EQ(Parts(SqlPrefixRange("c", std::string("a\0b", 3))),
            (Texts{"(c >= ? AND c < ?)", "a", "b"}));
}

class SqlTextRoundTrip : public ::testing::Test {
protected:
  void SetUp() override {
    path = folder.File("values.db");
    MakeDictionary(path, {"create table lmt_zx(mbcode text, hzcode text)"});
  }

  void Insert(TSQLiteDatabase& db, const std::string& code, const std::string& text) {
    db.Execute("insert into lmt_zx values(" + SqlQuote(code) + "," + SqlQuote(text) + ")");
  }

  std::vector<std::string> Codes(TSQLiteDatabase& db, const BoundSql& condition) {
    auto table = db.Query("select mbcode from lmt_zx where " + condition.sql + " order by mbcode",
                          condition.values);
    std::vector<std::string> codes;
    for (; !table->AtEnd(); table->MoveNext()) codes.push_back(table->FieldTextOrEmpty(0));
    return codes;
  }

  TempFolder folder;
  std::string path;
};

TEST_F(SqlTextRoundTrip, HostileValuesAreStoredAndFoundAsThemselves) {
  const std::vector<std::string> values = {
      "'", "''", "\"", ";", "--", "/*", "%", "_", "\\", "mbcode", "\"mbcode\"",
      "x'); drop table lmt_zx; --", "a' or '1'='1",
      "\x81\x5C", "\x81\x5F",  // GBK characters whose trail bytes are \ and _
  };
  TSQLiteDatabase db(path, kDictionaryPassword);
  for (const std::string& value : values) Insert(db, value, value);
  for (const std::string& value : values) {
    auto table = db.Query("select mbcode, hzcode from lmt_zx where hzcode = " + SqlQuote(value));
    ASSERT_EQ(table->RowCount(), 1u) << value;
    EXPECT_EQ(table->FieldText(0), value);
    EXPECT_EQ(table->FieldText(1), value);
  }
  EXPECT_EQ(db.Query("select * from lmt_zx")->RowCount(), values.size());
}

TEST_F(SqlTextRoundTrip, DoubleQuotedWordWouldHaveNamedAColumn) {
  TSQLiteDatabase db(path, kDictionaryPassword);
  Insert(db, "a", "b");
  // The reason values never go between double quotes: "mbcode" is the column here.
  EXPECT_EQ(db.Query("select * from lmt_zx where mbcode = \"mbcode\"")->RowCount(), 1u);
  EXPECT_EQ(db.Query("select * from lmt_zx where mbcode = " + SqlQuote("mbcode"))->RowCount(), 0u);
}

TEST_F(SqlTextRoundTrip, ValueEndsAtItsFirstZeroByte) {
  // As text is read back: a zero byte inside the SQL text would have cut the statement.
  TSQLiteDatabase db(path, kDictionaryPassword);
  Insert(db, std::string("a\0b'", 4), "x");
  EXPECT_EQ(Codes(db, {"mbcode = " + SqlQuote(std::string("a\0c", 3)), {}}),
            (std::vector<std::string>{"a"}));
  EXPECT_EQ(Codes(db, SqlPrefixRange("mbcode", std::string("\0", 1))),
            (std::vector<std::string>{"a"}));
}

TEST_F(SqlTextRoundTrip, PrefixRangeMatchesGbkTextByteForByte) {
  TSQLiteDatabase db(path, kDictionaryPassword);
  // 中 D6D0, 中国 D6D0B9FA, 值 D6B5, 值啊 D6B5B0A1, 乗 815C, 乗乢 815C815F
  for (const char* text : {"中", "中国", "值", "值啊", "乗", "乗乢", "a"}) Insert(db, text, text);
  auto texts = [&](const std::string& prefix) {
    const BoundSql range = SqlPrefixRange("hzcode", prefix);
    auto table = db.Query("select hzcode from lmt_zx where " + range.sql + " order by hzcode",
                          range.values);
    std::vector<std::string> found;
    for (; !table->AtEnd(); table->MoveNext()) found.push_back(table->FieldText(0));
    return found;
  };
  EXPECT_EQ(texts("中"), (std::vector<std::string>{"中", "中国"}));
  EXPECT_EQ(texts("值"), (std::vector<std::string>{"值", "值啊"}));
  EXPECT_EQ(texts("乗"), (std::vector<std::string>{"乗", "乗乢"}));
  EXPECT_EQ(texts("中国"), (std::vector<std::string>{"中国"}));
  EXPECT_EQ(texts("'").size(), 0u);
  EXPECT_EQ(texts("").size(), 7u);
}

}  // namespace
