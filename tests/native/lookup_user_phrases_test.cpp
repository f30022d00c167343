// User phrases and the phrase code of the active scheme, against small encrypted
// dictionaries: the operations answer, the phrase dialog tells the user.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ime/dictionary/ReverseLookup.h"
#include "ime/dictionary/SQLiteTable3.h"
#include "ime/dictionary/UserPhrases.h"
#include "tests/native/lookup_dictionaries.h"

namespace {

using Pairs = std::vector<UserPhrase>;

class UserPhraseTest : public ::testing::Test {
protected:
  UserPhraseTest() {
    AddDictionaryTable(folder.File("lmtsys_User.db"), "lmt_sx", {{"中国", "zg"}});
    AddDictionaryTable(folder.File("lmtsys_User.db"), "lmt_zx", {{"中国", "kh"}});
  }

  // Every row of a table of the user dictionary, in stored order.
  Pairs Stored(const std::string& table = "lmt_sx") {
    TSQLiteDatabase db(folder.File("lmtsys_User.db"), kDictionaryPassword);
    auto rows = db.Query("select mbcode,hzcode from " + table + " order by rowid");
    Pairs pairs;
    for (; !rows->AtEnd(); rows->MoveNext())
      pairs.push_back({rows->FieldTextOrEmpty(0), rows->FieldTextOrEmpty(1)});
    return pairs;
  }

  TempFolder folder;
  DictionarySet sx{folder.File(""), CodeScheme::sx};
  DictionarySet zx{folder.File(""), CodeScheme::zx};
};

}  // namespace

TEST_F(UserPhraseTest, AddsAPairOnceAndRefusesTheSecondTime) {
  EXPECT_EQ(AddUserPhrase(sx, {"zgr", "中国人"}), PhraseRefusal::kNone);
  EXPECT_TRUE(UserPhraseExists(sx, {"zgr", "中国人"}));
  EXPECT_EQ(AddUserPhrase(sx, {"zgr", "中国人"}), PhraseRefusal::kAlreadyStored);
  EXPECT_EQ(Stored(), (Pairs{{"zg", "中国"}, {"zgr", "中国人"}}));
  EXPECT_EQ(Stored("lmt_zx"), (Pairs{{"kh", "中国"}}));
}

TEST_F(UserPhraseTest, AnEmptyCodeOrTextIsRefused) {
  EXPECT_EQ(AddUserPhrase(sx, {"", "中国人"}), PhraseRefusal::kIncomplete);
  EXPECT_EQ(AddUserPhrase(sx, {"zgr", ""}), PhraseRefusal::kIncomplete);
  EXPECT_EQ(Stored(), (Pairs{{"zg", "中国"}}));
}

TEST_F(UserPhraseTest, TheSchemeChoosesTheTable) {
  EXPECT_EQ(AddUserPhrase(zx, {"khw", "中国人"}), PhraseRefusal::kNone);
  EXPECT_FALSE(UserPhraseExists(zx, {"zg", "中国"}));
  EXPECT_TRUE(UserPhraseExists(zx, {"kh", "中国"}));
  EXPECT_EQ(Stored("lmt_zx"), (Pairs{{"kh", "中国"}, {"khw", "中国人"}}));
  EXPECT_EQ(Stored("lmt_sx"), (Pairs{{"zg", "中国"}}));
}

TEST_F(UserPhraseTest, ChangingReplacesThePair) {
  EXPECT_EQ(ChangeUserPhrase(sx, {"zg", "中国"}, {"zgg", "中国国"}), PhraseRefusal::kNone);
  EXPECT_EQ(Stored(), (Pairs{{"zgg", "中国国"}}));
}

TEST_F(UserPhraseTest, ChangingToAStoredPairOrToItselfChangesNothing) {
  EXPECT_EQ(AddUserPhrase(sx, {"ab", "甲乙"}), PhraseRefusal::kNone);
  EXPECT_EQ(ChangeUserPhrase(sx, {"zg", "中国"}, {"zg", "中国"}), PhraseRefusal::kAlreadyStored);
  EXPECT_EQ(ChangeUserPhrase(sx, {"zg", "中国"}, {"ab", "甲乙"}), PhraseRefusal::kAlreadyStored);
  EXPECT_EQ(ChangeUserPhrase(sx, {"zg", "中国"}, {"ab", ""}), PhraseRefusal::kIncomplete);
  EXPECT_EQ(Stored(), (Pairs{{"zg", "中国"}, {"ab", "甲乙"}}));
}

TEST_F(UserPhraseTest, AChangeWhoseInsertFailsKeepsTheOldPair) {
  RunOnDictionary(folder.File("lmtsys_User.db"),
                  {"create trigger refuse before insert on lmt_sx when new.mbcode = 'zgg' "
                   "begin select raise(abort, 'refused'); end"});
  EXPECT_THROW(ChangeUserPhrase(sx, {"zg", "中国"}, {"zgg", "中国国"}), ESQLiteException);
  EXPECT_EQ(Stored(), (Pairs{{"zg", "中国"}}));
}

TEST_F(UserPhraseTest, ChangingAPairThatIsNotStoredAddsTheNewOne) {
  EXPECT_EQ(ChangeUserPhrase(sx, {"xx", "没有"}, {"mm", "没没"}), PhraseRefusal::kNone);
  EXPECT_EQ(Stored(), (Pairs{{"zg", "中国"}, {"mm", "没没"}}));
}

TEST_F(UserPhraseTest, DeletingRemovesEveryCopyAndToleratesAbsentPairs) {
  RunOnDictionary(folder.File("lmtsys_User.db"), {"insert into lmt_sx values('zg', '中国')",
                                                  "insert into lmt_sx values('zg', '中华')"});
  DeleteUserPhrase(sx, {"zg", "中国"});
  EXPECT_EQ(Stored(), (Pairs{{"zg", "中华"}}));
  DeleteUserPhrase(sx, {"nothing", "没有"});
  EXPECT_EQ(Stored(), (Pairs{{"zg", "中华"}}));
}

TEST_F(UserPhraseTest, ValuesAreStoredAndFoundExactlyAsTyped) {
  const Pairs tricky = {{"a\"b", "甲\""},      {"c'd", "乙'丙"},  {"e;f", "丁;drop table lmt_sx"},
                        {"g--", "戊--"},       {"h%", "%"},       {"%", "己%"},
                        {"i' or '1'='1", "庚"}, {"zg\" or 1 --", "中国"}};
  for (const UserPhrase& phrase : tricky)
    EXPECT_EQ(AddUserPhrase(sx, phrase), PhraseRefusal::kNone) << phrase.code;
  Pairs expected = {{"zg", "中国"}};
  expected.insert(expected.end(), tricky.begin(), tricky.end());
  EXPECT_EQ(Stored(), expected);
  for (const UserPhrase& phrase : tricky) EXPECT_TRUE(UserPhraseExists(sx, phrase)) << phrase.code;
  EXPECT_FALSE(UserPhraseExists(sx, {"h_", "%"}));
  EXPECT_FALSE(UserPhraseExists(sx, {"i", "庚"}));
  EXPECT_EQ(Stored("lmt_zx"), (Pairs{{"kh", "中国"}}));

  DeleteUserPhrase(sx, {"zg\" or 1 --", "中国"});
  DeleteUserPhrase(sx, {"%", "己%"});
  expected.erase(expected.end() - 1);
  expected.erase(expected.begin() + 6);
  EXPECT_EQ(Stored(), expected);
}

// Every connection is closed on the way out: where an open file cannot be deleted (Windows),
// it can be deleted again.
TEST_F(UserPhraseTest, AFailingStepRaisesAndReleasesItsFile) {
  const std::string user = folder.File("lmtsys_User.db");
  RunOnDictionary(user, {"drop table lmt_sx"});
  EXPECT_THROW(UserPhraseExists(sx, {"zg", "中国"}), ESQLiteException);
  EXPECT_THROW(DeleteUserPhrase(sx, {"zg", "中国"}), ESQLiteException);
  EXPECT_THROW(ListUserPhrases(sx), ESQLiteException);
  EXPECT_TRUE(std::filesystem::remove(user));
  EXPECT_THROW(ListUserPhrases(sx), ESQLiteException);
}

TEST_F(UserPhraseTest, ListingGivesEveryStoredPairOfTheScheme) {
  EXPECT_EQ(AddUserPhrase(sx, {"ab", "甲乙"}), PhraseRefusal::kNone);
  EXPECT_EQ(AddUserPhrase(sx, {"q'\"", "丙%"}), PhraseRefusal::kNone);
  EXPECT_EQ(ListUserPhrases(sx), (Pairs{{"zg", "中国"}, {"ab", "甲乙"}, {"q'\"", "丙%"}}));
  EXPECT_EQ(ListUserPhrases(zx), (Pairs{{"kh", "中国"}}));
  DeleteUserPhrase(zx, {"kh", "中国"});
  EXPECT_TRUE(ListUserPhrases(zx).empty());
}

TEST_F(UserPhraseTest, PhraseCodesComeFromTheReverseTableOfTheScheme) {
  AddDictionaryTable(folder.File("lmtsys_ODD.db"), "odd_sx",
                     {{"中", "zhon"}, {"国", "guoy"}, {"人", "renx"}});
  AddDictionaryTable(folder.File("lmtsys_ODD.db"), "odd_zx", {{"中", "khk"}, {"国", "lgy"}});
  EXPECT_EQ(PhraseCode(sx, "中国"), "zhguy");
  EXPECT_EQ(PhraseCode(sx, "中国人"), "zhgrex");
  EXPECT_EQ(PhraseCode(zx, "中国"), "khlg");
}

TEST(UserPhrasesWithoutInstallation, NothingIsOpenedOrCreated) {
  const DictionarySet none{"", CodeScheme::sx};
  EXPECT_EQ(PhraseCode(none, "abc"), "");  // no character, no code: nothing to open
  EXPECT_THROW(PhraseCode(none, "中国"), ESQLiteException);
  EXPECT_THROW(AddUserPhrase(none, {"zg", "中国"}), ESQLiteException);
  EXPECT_FALSE(std::filesystem::exists("lmtsys_User.db"));
}
