// The user dictionary's layout: an earlier file brought up to date without moving a
// phrase, and the lookup's statements reading it by its indexes.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "ime/dictionary/LookupStatements.h"
#include "ime/dictionary/SQLiteTable3.h"
#include "ime/dictionary/UserDictionaryLayout.h"
#include "tests/native/lookup_dictionaries.h"

namespace {

using Lines = std::vector<std::string>;

// One column of every row of sql, as text.
Lines Column(const std::string& path, const BoundSql& statement, std::uint32_t column = 0) {
  TSQLiteDatabase db(path, kDictionaryPassword);
  Lines lines;
  for (auto rows = db.Query(statement.sql, statement.values); !rows->AtEnd(); rows->MoveNext())
    lines.push_back(rows->FieldTextOrEmpty(column));
  return lines;
}

Lines Column(const std::string& path, const std::string& sql) {
  return Column(path, BoundSql{sql, {}});
}

Lines RowsAndIndexes(const std::string& path) {
  Lines lines = Column(path, "select rowid || ' ' || mbcode || ' ' || hzcode from lmt_zx "
                             "order by rowid");
  for (const std::string& name :
       Column(path, "select name from sqlite_master where type='index' order by name"))
    lines.push_back(name);
  return lines;
}

std::string Plan(const std::string& path, const BoundSql& statement) {
  std::string plan;
  for (const std::string& step :
       Column(path, {"explain query plan " + statement.sql, statement.values}, 3))
    plan += step + "; ";
  return plan;
}

bool Upgrade(const std::string& path) {
  TSQLiteDatabase db(path, kDictionaryPassword);
  return UpgradeUserDictionary(db);
}

std::string Bytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

// A user dictionary as the dictionary package wrote it before: the two tables, each with a
// lookup index without the text; one phrase deleted, so that the rowids have a gap.
std::string EarlierUserDictionary(const TempFolder& folder) {
  const std::string path = folder.File("lmtsys_User.db");
  AddDictionaryTable(path, "lmt_sx", {});
  AddDictionaryTable(path, "lmt_zx", {{"乙", "abcd"}, {"我们", "ab"}, {"甲", "abcd"}, {"丙", "abcd"}});
  RunOnDictionary(path, {"create index lmt_sx_lookup on lmt_sx(length(mbcode), mbcode)",
                         "create index lmt_zx_lookup on lmt_zx(length(mbcode), mbcode)",
                         "delete from lmt_zx where hzcode='我们'"});
  return path;
}

}  // namespace

// Every phrase keeps its rowid, and so its place: the phrases of one code come in the order
// they were added (乙, 甲, 丙, the reverse of their text order). The lookup then seeks the
// covering index, and word association the text index, however large the file grows.
TEST(UserDictionaryLayout, AnEarlierFileGetsItsIndexesWithEveryPhraseInPlace) {
  TempFolder folder;
  const std::string path = EarlierUserDictionary(folder);
  ASSERT_EQ(RowsAndIndexes(path),
            (Lines{"1 abcd 乙", "3 abcd 甲", "4 abcd 丙", "lmt_sx_lookup", "lmt_zx_lookup"}));

  EXPECT_TRUE(Upgrade(path));
  EXPECT_EQ(RowsAndIndexes(path), (Lines{"1 abcd 乙", "3 abcd 甲", "4 abcd 丙", "lmt_sx_covering",
                                         "lmt_sx_text", "lmt_zx_covering", "lmt_zx_text"}));
  EXPECT_EQ(Column(path, "pragma user_version"), Lines{std::to_string(kUserDictionaryLayout)});
  EXPECT_EQ(Column(path, CodeLookupStatement("lmt_zx", "a")), (Lines{"乙", "甲", "丙"}));

  const std::string lookup = Plan(path, CodeLookupStatement("lmt_zx", "ab"));
  EXPECT_NE(lookup.find("SEARCH lmt_zx USING COVERING INDEX lmt_zx_covering"), std::string::npos)
      << lookup;
  const std::string association = Plan(path, AssociationStatement("lmt_zx", "甲"));
  EXPECT_NE(association.find("USING INDEX lmt_zx_text"), std::string::npos) << association;

  const std::string upgraded = Bytes(path);
  EXPECT_TRUE(Upgrade(path));
  EXPECT_EQ(Bytes(path), upgraded) << "a file of the layout is not written again";
}

// Another connection writing the file (as another process upgrading it at the same moment
// would) leaves it as it is; the next open does the upgrade.
TEST(UserDictionaryLayout, AFileBeingWrittenIsLeftAsItIsForALaterOpen) {
  TempFolder folder;
  const std::string path = EarlierUserDictionary(folder);
  const std::string before = Bytes(path);
  sqlite3* writer = OpenKeyedRaw(path, kDictionaryPassword, kDictionaryKeyLength);
  ExecRaw(writer, "begin immediate");
  EXPECT_FALSE(Upgrade(path));
  ExecRaw(writer, "rollback");
  sqlite3_close(writer);
  EXPECT_EQ(Bytes(path), before);
  EXPECT_TRUE(Upgrade(path));
  EXPECT_EQ(Column(path, "pragma user_version"), Lines{std::to_string(kUserDictionaryLayout)});
}

// A damaged file, or a database without the phrase tables, is no user dictionary to change.
TEST(UserDictionaryLayout, AFileThatIsNoUserDictionaryIsLeftAlone) {
  TempFolder folder;
  const std::string damaged = folder.File("damaged.db");
  std::ofstream(damaged, std::ios::binary) << std::string(4096, 'Z');
  const std::string other = folder.File("other.db");
  AddDictionaryTable(other, "odd_zx", {{"工", "a"}});
  for (const std::string& path : {damaged, other}) {
    const std::string before = Bytes(path);
    EXPECT_FALSE(Upgrade(path)) << path;
    EXPECT_EQ(Bytes(path), before) << path;
  }
}
