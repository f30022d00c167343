// The database files as the module reads them: the exact lookup, association and reverse
// statements, the user file's columns, text storage and the encryption key.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <random>

#include "ime/dictionary/LookupStatements.h"
#include "ime/dictionary/SQLiteTable3.h"
#include "ime/dictionary/UserDictionaryLayout.h"
#include "tests/native/KeyedDatabaseFiles.h"
#include "tools/dictbuilder/DictionaryFiles.h"

using namespace dictbuilder;

namespace {

using Rows = std::vector<std::vector<std::string>>;

// Every row of a statement, each value as text; "#error <message>" when it fails.
Rows Query(sqlite3* db, const std::string& sql, const std::vector<std::string>& values = {}) {
  Rows rows;
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
    return {{"#error " + std::string(sqlite3_errmsg(db))}};
  for (size_t i = 0; i < values.size(); ++i)
    sqlite3_bind_text(statement, static_cast<int>(i + 1), values[i].c_str(), -1, SQLITE_STATIC);
  int result;
  while ((result = sqlite3_step(statement)) == SQLITE_ROW) {
    rows.emplace_back();
    for (int c = 0; c < sqlite3_column_count(statement); ++c) {
      const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, c));
      rows.back().push_back(text ? text : "");
    }
  }
  if (result != SQLITE_DONE) rows = {{"#error " + std::string(sqlite3_errmsg(db))}};
  sqlite3_finalize(statement);
  return rows;
}

Rows QueryFile(const std::string& path, const BoundSql& statement) {
  sqlite3* db = OpenKeyedRaw(path, kDictionaryPassword, kDictionaryKeyLength);
  Rows rows = Query(db, statement.sql, statement.values);
  sqlite3_close(db);
  return rows;
}

Rows QueryFile(const std::string& path, const std::string& sql) {
  return QueryFile(path, BoundSql{sql, {}});
}

// Two-byte texts numbered from 0xB0A1 on.
std::string Text(int i) {
  return {static_cast<char>(0xB0 + i / 94), static_cast<char>(0xA1 + i % 94)};
}

// Codes beginning with "a" of lengths 1 to 4, several texts per code with distinct weights,
// given in shuffled order.
std::vector<DictEntry> ManyEntries() {
  std::vector<DictEntry> entries;
  std::mt19937 random(7);
  int n = 0;
  for (int i = 0; i < 3000; ++i) {
    std::string code = "a";
    const int length = 1 + i % 4;
    for (int k = 1; k < length; ++k) code += static_cast<char>('a' + random() % 6);
    entries.push_back({code, Text(n++ % 3000), static_cast<double>(random() % 100000)});
  }
  std::shuffle(entries.begin(), entries.end(), random);
  return entries;
}

// The rows a correct lookup returns, computed from the entries themselves.
Rows Expected(const std::vector<DictEntry>& entries, const std::string& code) {
  std::vector<DictEntry> matching;
  for (const DictEntry& e : entries)
    if (e.code.compare(0, code.size(), code) == 0) matching.push_back(e);
  std::stable_sort(matching.begin(), matching.end(), [](const DictEntry& a, const DictEntry& b) {
    if (a.code.size() != b.code.size()) return a.code.size() < b.code.size();
    if (a.code != b.code) return a.code < b.code;
    if (a.weight != b.weight) return a.weight > b.weight;
    return a.text < b.text;
  });
  Rows rows;
  for (const DictEntry& e : matching)
    if (rows.size() < 999) rows.push_back({e.text, e.code});
  return rows;
}

}  // namespace

TEST(SystemFile, LookupReturnsShortCodesFirstAndHeavierEntriesFirstWithinACode) {
  TempFolder folder;
  const std::string path = folder.File("lmtsys_a.db");
  const std::vector<DictEntry> entries = ManyEntries();
  WriteSystemFile(path, entries, entries);
  for (const std::string table : {"lmt_sx", "lmt_zx"}) {
    for (const std::string code : {"a", "ab", "abc", "abcd", "aff", "az", "abcde"}) {
      const Rows rows = QueryFile(path, CodeLookupStatement(table, code));
      EXPECT_EQ(rows, Expected(entries, code)) << table << " " << code;
    }
  }
  EXPECT_EQ(QueryFile(path, CodeLookupStatement("lmt_sx", "a")).size(), 999u);
}

TEST(SystemFile, LookupNeverSortsAndStopsAtTheLimit) {
  TempFolder folder;
  const std::string path = folder.File("lmtsys_a.db");
  const std::vector<DictEntry> entries = ManyEntries();
  WriteSystemFile(path, entries, entries);
  for (const std::string code : {"a", "ab", "abc", "abcd"}) {
    const BoundSql lookup = CodeLookupStatement("lmt_zx", code);
    const Rows plan = QueryFile(path, BoundSql{"explain query plan " + lookup.sql, lookup.values});
    std::string details;
    for (const auto& row : plan) details += row.back() + ";";
    EXPECT_EQ(details.find("TEMP B-TREE"), std::string::npos) << code << ": " << details;
    EXPECT_NE(details.find("COVERING INDEX lmt_zx_lookup"), std::string::npos) << details;
  }
}

TEST(SystemFile, TextIsStoredAsGbkTextAndAssociationListsHeavierEntriesFirst) {
  TempFolder folder;
  const std::string path = folder.File("lmtsys_a.db");
  // 啊中, 啊国 and 啊 begin with 啊; 阿 does not.
  const std::string first = "\xB0\xA1\xD6\xD0", second = "\xB0\xA1\xB9\xFA";
  WriteSystemFile(path, {{"aago", second, 3}, {"ee", "\xB0\xA2", 9}, {"aavs", first, 5},
                         {"a", "\xB0\xA1", 1}}, {});
  EXPECT_EQ(QueryFile(path, "select distinct typeof(hzcode), typeof(mbcode) from lmt_sx"),
            (Rows{{"text", "text"}}));
  EXPECT_EQ(QueryFile(path, AssociationStatement("lmt_sx", "\xB0\xA1")),
            (Rows{{first, "aavs"}, {second, "aago"}, {"\xB0\xA1", "a"}}));
  EXPECT_EQ(QueryFile(path, "select count(*) from lmt_zx"), (Rows{{"0"}}));
}

TEST(SystemFile, CannotBeReadWithoutTheKey) {
  TempFolder folder;
  const std::string path = folder.File("lmtsys_a.db");
  WriteSystemFile(path, {{"a", "\xB0\xA1", 1}}, {});
  sqlite3* plain = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &plain), SQLITE_OK);
  EXPECT_EQ(Query(plain, "select count(*) from sqlite_master")[0][0],
            "#error file is not a database");
  sqlite3_close(plain);
  sqlite3* wrong = OpenKeyedRaw(path, "qevrotsab", 9);  // the whole password is not the key
  EXPECT_EQ(Query(wrong, "select count(*) from sqlite_master")[0][0],
            "#error file is not a database");
  sqlite3_close(wrong);
  EXPECT_EQ(QueryFile(path, "select hzcode from lmt_sx"), (Rows{{"\xB0\xA1"}}));
}

TEST(UserFile, TwoTextColumnsInOrderInTheCurrentLayoutAndTheModulesStatementsWork) {
  TempFolder folder;
  const std::string path = folder.File("lmtsys_User.db");
  WriteUserFile(path);
  for (const std::string table : {"lmt_sx", "lmt_zx"}) {
    const Rows columns = QueryFile(path, "select name, type from pragma_table_info('" + table + "')");
    EXPECT_EQ(columns, (Rows{{"mbcode", "TEXT"}, {"hzcode", "TEXT"}}));
    EXPECT_TRUE(QueryFile(path, CodeLookupStatement(table, "a")).empty());
  }
  EXPECT_EQ(QueryFile(path, "pragma user_version"), (Rows{{std::to_string(kUserDictionaryLayout)}}));
  // Phrases of one code in the order added, not in the order of their texts.
  sqlite3* db = OpenKeyedRaw(path, kDictionaryPassword, kDictionaryKeyLength);
  ExecRaw(db, "insert into lmt_zx values('ab','\xB0\xA3')");
  ExecRaw(db, "insert into lmt_zx values('a','\xB0\xA2')");
  ExecRaw(db, "insert into lmt_zx values('ab','\xB0\xA1')");
  sqlite3_close(db);
  EXPECT_EQ(QueryFile(path, CodeLookupStatement("lmt_zx", "a")),
            (Rows{{"\xB0\xA2", "a"}, {"\xB0\xA3", "ab"}, {"\xB0\xA1", "ab"}}));
}

TEST(ReverseFile, FirstRowOfEachCharacterIsItsFullCode) {
  TempFolder folder;
  const std::string path = folder.File("lmtsys_ODD.db");
  SchemeTables sx, zx;
  zx.characterCodes["\xD6\xD0"] = {"khk", "k", "kh"};
  zx.characterCodes["\xB9\xFA"] = {"lgyi", "l"};
  sx.characterCodes["\xD6\xD8"] = {"vstf", "istf"};
  WriteReverseFile(path, sx, zx);
  Rows rows = QueryFile(path, "select mbcode,hzcode from odd_zx where  hzcode='\xB9\xFA' or "
                              "hzcode='\xD6\xD0' or hzcode='\xB9\xFA'");
  ASSERT_EQ(rows.size(), 5u);
  const auto first = [&](const std::string& character) {
    for (const auto& row : rows)
      if (row[1] == character) return row[0];
    return std::string();
  };
  EXPECT_EQ(first("\xD6\xD0"), "khk");
  EXPECT_EQ(first("\xB9\xFA"), "lgyi");
  EXPECT_EQ(QueryFile(path, "select mbcode,hzcode from odd_sx where  hzcode='\xD6\xD8'"),
            (Rows{{"vstf", "\xD6\xD8"}, {"istf", "\xD6\xD8"}}));
}
