// Candidate lookup and word association against small encrypted dictionaries: the records
// they answer with. What the engine makes of them is tested with the key core.
#include <gtest/gtest.h>
#include <sqlite3.h>
#ifdef _WIN32
#include <windows.h>
#endif

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ime/dictionary/CandidateLookup.h"
#include "ime/dictionary/SQLiteTable3.h"
#include "ime/dictionary/VariantTable.h"
#include "tests/native/lookup_dictionaries.h"
#include "tests/native/RepeatedText.h"

namespace {

using Texts = std::vector<std::string>;

std::string Traditional(const std::string& text) { return TableToTraditional(text); }

// The rows of the user dictionary with their rowids, and its indexes.
Texts UserRowsAndIndexes(const std::string& path) {
  TSQLiteDatabase db(path, kDictionaryPassword);
  Texts found;
  for (const std::string sql : {"select rowid || ' ' || mbcode || ' ' || hzcode from lmt_sx "
                                "order by rowid",
                                "select name from sqlite_master where type='index' order by name"}) {
    for (auto rows = db.Query(sql); !rows->AtEnd(); rows->MoveNext())
      found.push_back(rows->FieldText(0));
  }
  return found;
}

class LookupTest : public ::testing::Test {
protected:
  void System(const std::string& first, const std::vector<DictionaryRow>& rows,
              const std::string& table = "lmt_sx") {
    AddDictionaryTable(folder.File("lmtsys_" + first + ".db"), table, rows);
  }
  void User(const std::vector<DictionaryRow>& rows, const std::string& table = "lmt_sx") {
    AddDictionaryTable(folder.File("lmtsys_User.db"), table, rows);
  }
  Texts Lookup(const std::string& code) {
    return LookupCandidates(code, dictionaries, filter).records;
  }
  Texts Associate(const std::string& first, const std::string& committed) {
    return LookupAssociations(first, committed, dictionaries, filter).records;
  }

  TempFolder folder;
  DictionarySet dictionaries{folder.File(""), CodeScheme::sx};
  CandidateFilter filter{false, nullptr};
};

}  // namespace

TEST_F(LookupTest, ListsShorterCodesFirstWithUserRowsMerged) {
  System("a", {{"式", "aa"}, {"工", "a"}, {"东", "ac"}, {"戈", "ab"}, {"花", "b"}, {"长", "abcd"}});
  User({{"啊", "ab"}, {"我的", "a"}, {"别", "ba"}});
  EXPECT_EQ(Lookup("a"), (Texts{"1我的", "0工", "0式\ra\r", "1啊\rb\r", "0戈\rb\r",
                                "0东\rc\r", "0长\rbcd\r"}));
  EXPECT_EQ(Lookup("ab"), (Texts{"1啊", "0戈", "0长\rcd\r"}));
}

TEST_F(LookupTest, TheUpperBoundFollowsTheLastByte) {
  System("a", {{"甲", "az"}, {"乙", "aza"}, {"丙", "a{"}, {"丁", "b"}});
  User({});
  EXPECT_EQ(Lookup("az"), (Texts{"0甲", "0乙\ra\r"}));
}

TEST_F(LookupTest, TheZxSchemeUsesItsTablesAndSemicolonCodes) {
  dictionaries.scheme = CodeScheme::zx;
  System("k", {{"中", "k;"}, {"国", "k;a"}, {"人", "k<"}}, "lmt_zx");
  AddDictionaryTable(folder.File("lmtsys_k.db"), "lmt_sx", {{"错", "k;"}});
  User({{"中国", "k;"}}, "lmt_zx");
  EXPECT_EQ(Lookup("k;"), (Texts{"1中国", "0中", "0国\ra\r"}));
}

TEST_F(LookupTest, TheGB2312FilterKeepsPhrasesAndTwoPunctuationMarks) {
  filter.gb2312Only = true;
  System("a", {{"\x81\x40", "a"}, {"\x81\x40\x81\x41", "a"}, {"，", "a"}, {"；", "a"},
               {"。", "a"}, {"工", "a"}});
  User({{"\xFE\x50", "a"}});
  EXPECT_EQ(Lookup("a"), (Texts{"0\x81\x40\x81\x41", "0，", "0；", "0工"}));
  filter.gb2312Only = false;
  EXPECT_EQ(Lookup("a").size(), 7u);
}

TEST_F(LookupTest, StopsAt1000CandidatesFromTwoFilesOf999Rows) {
  std::vector<DictionaryRow> system, user;
  for (int i = 0; i < 1200; ++i) {
    system.push_back({"工", "a" + std::string(1, static_cast<char>('a' + i % 26))});
    user.push_back({"阿", "az"});
  }
  System("a", system);
  User(user);
  const Texts records = Lookup("a");
  ASSERT_EQ(records.size(), 1000u);
  // 999 system rows at most, all of them before the user rows of the last code.
  int systemRows = 0;
  for (const std::string& record : records) systemRows += record[0] == '0';
  EXPECT_EQ(systemRows, 999);
  EXPECT_EQ(records.back(), "1阿\rz\r");
}

TEST_F(LookupTest, DisplayTextsAreCutAt63Or64Bytes) {
  System("a", {{Repeat("中", 33), "a"}, {"x" + Repeat("中", 33), "ab"},
               {"xy" + Repeat("中", 31) + "z", "ac"}});
  User({});
  EXPECT_EQ(Lookup("a"), (Texts{"0" + Repeat("中", 32), "0x" + Repeat("中", 31) + "\rb\r",
                                "0xy" + Repeat("中", 31) + "\rc\r"}));
}

TEST_F(LookupTest, UntrustedRowsNeverOverrunTheirRecords) {
  RunOnDictionary(folder.File("lmtsys_a.db"),
                  {"create table lmt_sx (mbcode text, hzcode text)",
                   "insert into lmt_sx values('a', NULL)", "insert into lmt_sx values('a', '')",
                   "insert into lmt_sx values('a', 12345)",
                   "insert into lmt_sx values('ab', x'D6D0D6')",
                   "insert into lmt_sx values('a' || hex(randomblob(200)), 'long')"});
  User({});
  const Texts records = Lookup("a");
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[0], "012345");
  EXPECT_EQ(records[1], "0中\rb\r");
  EXPECT_EQ(records[2].substr(0, 6), "0long\r");
  EXPECT_EQ(records[2].size(), 72u);
  EXPECT_EQ(records[2].back(), '\r');
}

// The user dictionary is the file a user may lose or break: the system candidates and
// associations still come, the lookup tells that the user's file could not be read, and a
// missing file is not made anew (the dictionary package would keep an empty one).
TEST_F(LookupTest, AMissingEmptyOrDamagedUserDictionaryLeavesTheSystemRows) {
  System("a", {{"工", "a"}, {"式", "ab"}, {"工人", "ac"}});
  const std::string user = folder.File("lmtsys_User.db");
  for (const std::string state : {"missing", "empty", "damaged"}) {
    std::filesystem::remove(user);
    const std::string bytes = state == "damaged" ? std::string(4096, 'Z') : "";
    if (state != "missing") std::ofstream(user, std::ios::binary) << bytes;
    const CandidateRecords found = LookupCandidates("a", dictionaries, filter);
    EXPECT_FALSE(found.userReadable) << state;
    EXPECT_EQ(found.records, (Texts{"0工", "0式\rb\r", "0工人\rc\r"})) << state;
    EXPECT_EQ(Associate("a", "工"), (Texts{"0工人"})) << state;
    if (state == "missing") {
      EXPECT_FALSE(std::filesystem::exists(user));
    }
  }
}

TEST_F(LookupTest, AMissingOrDamagedSystemFileTakesOnlyItsOwnCodes) {
  System("b", {{"了", "b"}});
  User({{"工", "a"}, {"子", "b"}});
  std::ofstream(folder.File("lmtsys_a.db"), std::ios::binary) << std::string(4096, 'Z');
  const CandidateRecords found = LookupCandidates("a", dictionaries, filter);
  EXPECT_TRUE(found.userReadable);
  EXPECT_EQ(found.records, (Texts{"1工"}));
  EXPECT_EQ(Lookup("b"), (Texts{"1子", "0了"}));
  EXPECT_TRUE(Lookup("q").empty());  // no lmtsys_q.db, and none is made
  EXPECT_FALSE(std::filesystem::exists(folder.File("lmtsys_q.db")));
}

TEST_F(LookupTest, SystemFilesAreReadInAFolderWhoseNameHoldsUriCharacters) {
#ifdef _WIN32
#define URI_CHARACTERS " 50%41 #1"
#else
#define URI_CHARACTERS " 50%41 #1?"
#endif
  // Made through the UTF-8 name, looked up through the GBK one, as the module has it.
  const std::string utf8Folder = folder.File(u8"词库" URI_CHARACTERS) + "/";
  std::filesystem::create_directory(std::filesystem::u8path(utf8Folder));
  AddDictionaryTable(utf8Folder + "lmtsys_a.db", "lmt_sx", {{"工", "a"}});
  AddDictionaryTable(utf8Folder + "lmtsys_User.db", "lmt_sx", {{"式", "a"}});
  const DictionarySet named{folder.File("词库" URI_CHARACTERS) + "/", CodeScheme::sx};
#undef URI_CHARACTERS
  EXPECT_EQ(LookupCandidates("a", named, filter).records, (Texts{"1式", "0工"}));
}

TEST_F(LookupTest, AnEmptyCodeFindsNothingAndReadsNoFile) {
  const CandidateRecords found = LookupCandidates("", dictionaries, filter);
  EXPECT_TRUE(found.records.empty());
  EXPECT_TRUE(found.userReadable);
}

TEST_F(LookupTest, TraditionalOutputConvertsTheRecords) {
  System("z", {{"中国", "zg"}, {"发展", "zgf"}});
  User({{"我们", "zg"}});
  filter.toTraditional = Traditional;
  EXPECT_EQ(Lookup("zg"), (Texts{"1我們", "0中國", "0發展\rf\r"}));
}

TEST_F(LookupTest, AnAssociationOffersContinuationsButNotTheTextItself) {
  System("z", {{"中国", "zg"}, {"中国人", "zgr"}, {"中华", "zh"}, {"中国话", "zgh"}});
  User({{"中国队", "zgd"}, {"中国", "zg"}});
  EXPECT_EQ(Associate("z", "中国"), (Texts{"1中国队", "0中国人", "0中国话"}));
}

TEST_F(LookupTest, AnAssociationMatchesWildcardsAndQuotesLiterally) {
  System("a", {{"50%折扣", "a"}, {"50a折扣", "a"}, {"5_", "a"}, {"5x9", "a"},
               {"它's", "a"}, {"它'", "a"}, {"它s", "a"}});
  User({});
  EXPECT_EQ(Associate("a", "50%"), (Texts{"050%折扣"}));
  EXPECT_EQ(Associate("a", "5_"), (Texts{}));
  EXPECT_EQ(Associate("a", "它'"), (Texts{"0它's"}));
}

TEST_F(LookupTest, ATraditionalListAssociatesThroughTheSimplifiedText) {
  System("z", {{"中国人", "zgr"}});
  User({});
  filter.toTraditional = Traditional;
  EXPECT_EQ(Associate("z", "中国"), (Texts{"0中國人"}));
}

TEST_F(LookupTest, AnAssociationWithoutItsSystemFileListsTheUserRows) {
  User({{"中国队", "zgd"}});
  EXPECT_EQ(Associate("q", "中国"), (Texts{"1中国队"}));
}

// The files' own order: the system rows as stored (the shipped files store the more
// frequent first), the user rows as added; an index on the text does not change it. One
// code for all, so that the merge puts the user rows first.
TEST_F(LookupTest, AnAssociationListsRowsInTheFilesOwnOrder) {
  System("z", {{"中国队", "zg"}, {"中国菜", "zg"}, {"中国区", "zg"}});
  User({{"中国话", "zg"}, {"中国风", "zg"}});
  for (const char* file : {"lmtsys_z.db", "lmtsys_User.db"})
    RunOnDictionary(folder.File(file), {"create index lmt_sx_text on lmt_sx(hzcode)"});
  EXPECT_EQ(Associate("z", "中国"),
            (Texts{"1中国话", "1中国风", "0中国队", "0中国菜", "0中国区"}));
}

TEST_F(LookupTest, WithoutADictionaryFolderNothingIsOpenedOrCreated) {
  System("a", {{"工", "a"}});
  User({});
  dictionaries.folder.clear();
  const CandidateRecords found = LookupCandidates("a", dictionaries, filter);
  EXPECT_TRUE(found.records.empty());
  EXPECT_FALSE(found.userReadable);
  EXPECT_TRUE(Associate("a", "工").empty());
  EXPECT_FALSE(std::filesystem::exists("lmtsys_a.db"));
  EXPECT_FALSE(std::filesystem::exists("lmtsys_User.db"));
}

// A user dictionary of the earlier layout (its lookup index without the text) gets the
// covering indexes at its first lookup by this version. No phrase is lost or moves: the
// rowids stay, and the phrases of one code come in the order they were added (乙, 甲, 丙,
// the reverse of their text order).
TEST_F(LookupTest, AnEarlierUserDictionaryGetsItsIndexesAtTheFirstLookupKeepingEveryPhrase) {
  System("a", {{"工", "a"}});
  const std::string user = folder.File("lmtsys_User.db");
  User({{"乙", "ab"}, {"我们", "ac"}, {"甲", "ab"}, {"丙", "ab"}});
  RunOnDictionary(user, {"create index lmt_sx_lookup on lmt_sx(length(mbcode), mbcode)",
                         "delete from lmt_sx where hzcode='我们'"});
  const Texts before = {"1 ab 乙", "3 ab 甲", "4 ab 丙", "lmt_sx_lookup"};
  ASSERT_EQ(UserRowsAndIndexes(user), before);

  EXPECT_EQ(Lookup("a"), (Texts{"0工", "1乙\rb\r", "1甲\rb\r", "1丙\rb\r"}));
  EXPECT_EQ(UserRowsAndIndexes(user),
            (Texts{"1 ab 乙", "3 ab 甲", "4 ab 丙", "lmt_sx_covering", "lmt_sx_text"}));
  EXPECT_EQ(Lookup("ab"), (Texts{"1乙", "1甲", "1丙"}));
}

// A user dictionary that cannot be written now gives its phrases all the same, and a later
// open upgrades it: one that another process is writing, as when two processes upgrade it at
// the same moment, and under Windows one that opens read-only (here another program holds it
// without sharing writes, as a read-only file or folder also makes it open).
TEST_F(LookupTest, AUserDictionaryThatCannotBeWrittenNowIsUpgradedAtALaterOpen) {
  System("a", {{"工", "a"}});
  const std::string user = folder.File("lmtsys_User.db");
  User({{"乙", "ab"}, {"甲", "ab"}});
  const Texts earlier = {"1 ab 乙", "2 ab 甲"};
  std::vector<std::string> states = {"locked"};
#ifdef _WIN32
  states.push_back("read-only");
#endif
  for (const std::string& state : states) {
#ifdef _WIN32
    HANDLE holder = INVALID_HANDLE_VALUE;
    if (state == "read-only") {
      holder = CreateFileA(user.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           0, nullptr);
      ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    }
#endif
    sqlite3* writer = nullptr;
    if (state == "locked") {
      writer = OpenKeyedRaw(user, kDictionaryPassword, kDictionaryKeyLength);
      ExecRaw(writer, "begin immediate");
    }
    EXPECT_EQ(Lookup("a"), (Texts{"0工", "1乙\rb\r", "1甲\rb\r"})) << state;
    if (writer) {
      ExecRaw(writer, "rollback");
      sqlite3_close(writer);
    }
#ifdef _WIN32
    if (holder != INVALID_HANDLE_VALUE) CloseHandle(holder);
#endif
    EXPECT_EQ(UserRowsAndIndexes(user), earlier) << state;
  }
  EXPECT_EQ(Lookup("a"), (Texts{"0工", "1乙\rb\r", "1甲\rb\r"}));
  EXPECT_EQ(UserRowsAndIndexes(user),
            (Texts{"1 ab 乙", "2 ab 甲", "lmt_sx_covering", "lmt_sx_text"}));
}
