// Merging system and user rows into candidate records.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ime/dictionary/CandidateMerge.h"
#include "ime/dictionary/CandidateText.h"
#include "ime/dictionary/SQLiteTable3.h"
#include "tests/native/lookup_dictionaries.h"

namespace {

// Records merged from the rows of two tables read back through the access layer.
class MergeTest : public ::testing::Test {
protected:
  CandidateStore Store(std::string_view prefix = {}, bool gb2312Only = false) {
    return {records, prefix, {gb2312Only, nullptr}};
  }

  std::unique_ptr<TSQLiteTable> Rows(const std::vector<DictionaryRow>& rows) {
    const std::string path = folder.File("rows" + std::to_string(files++) + ".db");
    AddDictionaryTable(path, "lmt_sx", rows);
    TSQLiteDatabase db(path, kDictionaryPassword);
    return db.Query("select hzcode,mbcode from lmt_sx order by rowid");
  }

  void Merge(const std::vector<DictionaryRow>& system, const std::vector<DictionaryRow>& user,
             std::size_t typedLength, const CandidateStore& store) {
    auto s = Rows(system);
    auto u = Rows(user);
    MergeCandidateRows(*s, *u, store, typedLength);
  }

  const std::vector<std::string>& Records() const { return records; }

  TempFolder folder;
  int files = 0;
  std::vector<std::string> records;
};

using Texts = std::vector<std::string>;

}  // namespace

TEST_F(MergeTest, UserRowsOfTheTypedCodeComeFirst) {
  Merge({{"工", "a"}, {"式", "aa"}}, {{"我的", "a"}}, 1, Store());
  EXPECT_EQ(Records(), (Texts{"1我的", "0工", "0式\ra\r"}));
}

TEST_F(MergeTest, UserRowsStandBetweenSystemRowsByCode) {
  Merge({{"工", "a"}, {"式", "aa"}, {"戈", "ab"}, {"东", "ac"}},
        {{"阿", "aa"}, {"啊", "ab"}}, 1, Store());
  // The first user row is stored before "式" (code aa <= aa); its display code "a" is then
  // held, which has another length than "ab": the second user row follows all system rows.
  EXPECT_EQ(Records(),
            (Texts{"0工", "1阿\ra\r", "0式\ra\r", "0戈\rb\r", "0东\rc\r", "1啊\rb\r"}));
}

TEST_F(MergeTest, AUserRowWithALaterCodeWaitsForItsPlace) {
  Merge({{"工", "a"}, {"式", "aa"}, {"东", "ac"}}, {{"啊", "ab"}}, 1, Store());
  EXPECT_EQ(Records(), (Texts{"0工", "0式\ra\r", "1啊\rb\r", "0东\rc\r"}));
}

TEST_F(MergeTest, UserRowsAfterEverySystemRow) {
  Merge({{"工", "a"}}, {{"阿", "ab"}, {"啊", "ac"}}, 1, Store());
  EXPECT_EQ(Records(), (Texts{"0工", "1阿\rb\r", "1啊\rc\r"}));
}

TEST_F(MergeTest, OnlyUserRowsOrOnlySystemRows) {
  Merge({}, {{"阿", "a"}, {"啊", "ab"}}, 1, Store());
  EXPECT_EQ(Records(), (Texts{"1阿", "1啊\rb\r"}));
  records.clear();
  Merge({{"工", "a"}}, {}, 1, Store());
  EXPECT_EQ(Records(), (Texts{"0工"}));
}

TEST_F(MergeTest, TheGB2312FilterDropsSingleCharactersOutsideTheHanziArea) {
  Merge({{"\x81\x40", "a"}, {"\x81\x40\x81\x41", "a"}, {"，", "a"}, {"工", "a"}},
        {{"\x82\x40", "a"}, {"阿", "a"}}, 1, Store({}, true));
  EXPECT_EQ(Records(), (Texts{"1阿", "0\x81\x40\x81\x41", "0，", "0工"}));
}

TEST_F(MergeTest, WithoutTheFilterEveryTextPasses) {
  Merge({{"\x81\x40", "a"}}, {{"\x82\x40", "a"}}, 1, Store({}, false));
  EXPECT_EQ(Records(), (Texts{"1\x82\x40", "0\x81\x40"}));
}

TEST_F(MergeTest, StopsAt1000Candidates) {
  std::vector<DictionaryRow> system, user;
  for (int i = 0; i < 999; ++i) {
    system.push_back({"工", "a"});
    user.push_back({"阿", "b"});
  }
  Merge(system, user, 1, Store());
  ASSERT_EQ(Records().size(), 1000u);
  EXPECT_EQ(Records()[998], "0工");
  EXPECT_EQ(Records()[999], "1阿");
}

TEST_F(MergeTest, AnAssociationLeavesOutItsPrefixAndHasNoCodes) {
  Merge({{"中国", "kh"}, {"中国人", "khw"}, {"中国话", "khy"}}, {{"中国队", "khb"}}, 0,
        Store("中国"));
  EXPECT_EQ(Records(), (Texts{"1中国队", "0中国人", "0中国话"}));
}

TEST_F(MergeTest, EmptyTextsAreDroppedInACodeLookup) {
  Merge({{"", "a"}, {"工", "a"}}, {{"", "a"}}, 1, Store());
  EXPECT_EQ(Records(), (Texts{"0工"}));
}

TEST_F(MergeTest, NullAndNumberValuesReadAsText) {
  const std::string system = folder.File("odd-values.db");
  RunOnDictionary(system, {"create table lmt_sx (mbcode text, hzcode text)",
                           "insert into lmt_sx values('a', NULL)",
                           "insert into lmt_sx values(NULL, 42)",
                           "insert into lmt_sx values('ab', 1.5)"});
  std::unique_ptr<TSQLiteTable> s;
  {
    TSQLiteDatabase db(system, kDictionaryPassword);
    s = db.Query("select hzcode,mbcode from lmt_sx order by rowid");
  }
  auto u = Rows({});
  MergeCandidateRows(*s, *u, Store(), 1);
  EXPECT_EQ(Records(), (Texts{"042", "01.5\rb\r"}));
}
