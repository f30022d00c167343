// User phrases, the phrase code from the reverse table, and the word-registration entry
// points, against small encrypted dictionaries. Message boxes are answered by a reader.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "ime/dictionary/ReverseLookup.h"
#include "ime/dictionary/SQLiteTable3.h"
#include "ime/dictionary/UserPhrases.h"
#include "ime/dictionary/WordRegistration.h"
#include "ime/settings/Globals.h"
#include "tests/wine/lookup_wine_support.h"
#include "tests/wine/support/ListViewItems.h"

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;
using Texts = std::vector<std::string>;

class UserPhraseTest : public ::testing::Test {
protected:
  UserPhraseTest() {
    AddDictionaryTable(dir.File("lmtsys_User.db"), "lmt_sx", {{"中国", "zg"}});
    AddDictionaryTable(dir.File("lmtsys_User.db"), "lmt_zx", {{"中国", "kh"}});
  }

  // Every row of a table of the user dictionary, in stored order.
  Pairs Stored(const std::string& table = "lmt_sx") {
    TSQLiteDatabase db(dir.File("lmtsys_User.db"), kDictionaryPassword);
    auto rows = db.Query("select mbcode,hzcode from " + table + " order by rowid");
    Pairs pairs;
    for (; !rows->AtEnd(); rows->MoveNext())
      pairs.emplace_back(rows->FieldTextOrEmpty(0), rows->FieldTextOrEmpty(1));
    return pairs;
  }

  DictionaryDir dir;
};

}  // namespace

TEST_F(UserPhraseTest, AddsAPairOnceAndReportsTheSecondTime) {
  MessageBoxReader boxes;
  EXPECT_TRUE(AddUserPhrase("zgr", "中国人"));
  EXPECT_TRUE(UserPhraseExists("zgr", "中国人"));
  EXPECT_FALSE(AddUserPhrase("zgr", "中国人"));
  EXPECT_EQ(boxes.Texts(), (Texts{"已存在此词组"}));
  EXPECT_EQ(Stored(), (Pairs{{"zg", "中国"}, {"zgr", "中国人"}}));
  EXPECT_EQ(Stored("lmt_zx"), (Pairs{{"kh", "中国"}}));
}

TEST_F(UserPhraseTest, AnEmptyCodeOrTextIsRefused) {
  MessageBoxReader boxes;
  EXPECT_FALSE(AddUserPhrase("", "中国人"));
  EXPECT_FALSE(AddUserPhrase("zgr", ""));
  EXPECT_EQ(boxes.Texts(), (Texts{"设置词组错误", "设置词组错误"}));
  EXPECT_EQ(Stored(), (Pairs{{"zg", "中国"}}));
}

TEST_F(UserPhraseTest, TheActiveSchemeChoosesTheTable) {
  globals.sxScheme = 0;
  EXPECT_TRUE(AddUserPhrase("khw", "中国人"));
  EXPECT_FALSE(UserPhraseExists("zg", "中国"));
  EXPECT_TRUE(UserPhraseExists("kh", "中国"));
  EXPECT_EQ(Stored("lmt_zx"), (Pairs{{"kh", "中国"}, {"khw", "中国人"}}));
  EXPECT_EQ(Stored("lmt_sx"), (Pairs{{"zg", "中国"}}));
}

TEST_F(UserPhraseTest, ChangingReplacesThePair) {
  EXPECT_TRUE(ChangeUserPhrase("zg", "中国", "zgg", "中国国"));
  EXPECT_EQ(Stored(), (Pairs{{"zgg", "中国国"}}));
}

TEST_F(UserPhraseTest, ChangingToAStoredPairOrToItselfChangesNothing) {
  MessageBoxReader boxes;
  EXPECT_TRUE(AddUserPhrase("ab", "甲乙"));
  EXPECT_FALSE(ChangeUserPhrase("zg", "中国", "zg", "中国"));
  EXPECT_FALSE(ChangeUserPhrase("zg", "中国", "ab", "甲乙"));
  EXPECT_FALSE(ChangeUserPhrase("zg", "中国", "ab", ""));
  EXPECT_EQ(boxes.Texts(), (Texts{"已存在此词组", "已存在此词组", "设置词组错误"}));
  EXPECT_EQ(Stored(), (Pairs{{"zg", "中国"}, {"ab", "甲乙"}}));
}

TEST_F(UserPhraseTest, AChangeWhoseInsertFailsKeepsTheOldPair) {
  RunOnDictionary(dir.File("lmtsys_User.db"),
                  {"create trigger refuse before insert on lmt_sx when new.mbcode = 'zgg' "
                   "begin select raise(abort, 'refused'); end"});
  EXPECT_THROW(ChangeUserPhrase("zg", "中国", "zgg", "中国国"), ESQLiteException);
  EXPECT_EQ(Stored(), (Pairs{{"zg", "中国"}}));
}

TEST_F(UserPhraseTest, ChangingAPairThatIsNotStoredAddsTheNewOne) {
  EXPECT_TRUE(ChangeUserPhrase("xx", "没有", "mm", "没没"));
  EXPECT_EQ(Stored(), (Pairs{{"zg", "中国"}, {"mm", "没没"}}));
}

TEST_F(UserPhraseTest, DeletingRemovesEveryCopyAndToleratesAbsentPairs) {
  RunOnDictionary(dir.File("lmtsys_User.db"), {"insert into lmt_sx values('zg', '中国')",
                                               "insert into lmt_sx values('zg', '中华')"});
  EXPECT_TRUE(DeleteUserPhrase("zg", "中国"));
  EXPECT_EQ(Stored(), (Pairs{{"zg", "中华"}}));
  EXPECT_TRUE(DeleteUserPhrase("nothing", "没有"));
  EXPECT_EQ(Stored(), (Pairs{{"zg", "中华"}}));
}

TEST_F(UserPhraseTest, ValuesAreStoredAndFoundExactlyAsTyped) {
  const Pairs tricky = {{"a\"b", "甲\""},      {"c'd", "乙'丙"},  {"e;f", "丁;drop table lmt_sx"},
                        {"g--", "戊--"},       {"h%", "%"},       {"%", "己%"},
                        {"i' or '1'='1", "庚"}, {"zg\" or 1 --", "中国"}};
  for (const auto& [code, text] : tricky) EXPECT_TRUE(AddUserPhrase(code, text)) << code;
  Pairs expected = {{"zg", "中国"}};
  expected.insert(expected.end(), tricky.begin(), tricky.end());
  EXPECT_EQ(Stored(), expected);
  for (const auto& [code, text] : tricky) EXPECT_TRUE(UserPhraseExists(code, text)) << code;
  EXPECT_FALSE(UserPhraseExists("h_", "%"));
  EXPECT_FALSE(UserPhraseExists("i", "庚"));
  EXPECT_EQ(Stored("lmt_zx"), (Pairs{{"kh", "中国"}}));

  EXPECT_TRUE(DeleteUserPhrase("zg\" or 1 --", "中国"));
  EXPECT_TRUE(DeleteUserPhrase("%", "己%"));
  expected.erase(expected.end() - 1);
  expected.erase(expected.begin() + 6);
  EXPECT_EQ(Stored(), expected);
}

TEST_F(UserPhraseTest, AFailingStepRaisesAndReleasesItsFile) {
  const std::string user = dir.File("lmtsys_User.db");
  RunOnDictionary(user, {"drop table lmt_sx"});
  EXPECT_THROW(UserPhraseExists("zg", "中国"), ESQLiteException);
  EXPECT_THROW(DeleteUserPhrase("zg", "中国"), ESQLiteException);
  // Every connection was closed: the file can be deleted again.
  EXPECT_TRUE(DeleteFileA(user.c_str()));
}

namespace {

// A report-style list view with two columns in a real window.
struct ListViewWindow {
  HWND parent = nullptr;
  HWND list = nullptr;

  ListViewWindow() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    parent = CreateWindowExA(0, "STATIC", "phrases", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300,
                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 380,
                           280, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    for (int column = 0; column < 2; ++column) {
      char title[] = "column";
      LVCOLUMNA header = {};
      header.mask = LVCF_TEXT | LVCF_WIDTH;
      header.cx = 150;
      header.pszText = title;
      SendMessageA(list, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&header));
    }
  }
  ~ListViewWindow() { DestroyWindow(parent); }

  Pairs Items() const { return ListViewPairs(list); }
};

}  // namespace

TEST_F(UserPhraseTest, ListingReplacesTheItemsByEveryStoredPair) {
  ListViewWindow view;
  ASSERT_NE(view.list, nullptr);
  EXPECT_TRUE(AddUserPhrase("ab", "甲乙"));
  EXPECT_TRUE(AddUserPhrase("q'\"", "丙%"));
  ListUserPhrases(view.list);
  EXPECT_EQ(view.Items(), (Pairs{{"zg", "中国"}, {"ab", "甲乙"}, {"q'\"", "丙%"}}));
  DeleteUserPhrase("ab", "甲乙");
  ListUserPhrases(view.list);
  EXPECT_EQ(view.Items(), (Pairs{{"zg", "中国"}, {"q'\"", "丙%"}}));
  globals.sxScheme = 0;
  ListUserPhrases(view.list);
  EXPECT_EQ(view.Items(), (Pairs{{"kh", "中国"}}));
}

TEST_F(UserPhraseTest, ListingAnEmptyTableClearsTheList) {
  ListViewWindow view;
  ListUserPhrases(view.list);
  ASSERT_EQ(view.Items().size(), 1u);
  DeleteUserPhrase("zg", "中国");
  ListUserPhrases(view.list);
  EXPECT_TRUE(view.Items().empty());
}

TEST_F(UserPhraseTest, ListingAMissingTableRaisesAndKeepsTheItems) {
  ListViewWindow view;
  ListUserPhrases(view.list);
  DeleteFileA(dir.File("lmtsys_User.db").c_str());
  EXPECT_THROW(ListUserPhrases(view.list), ESQLiteException);
  EXPECT_EQ(view.Items(), (Pairs{{"zg", "中国"}}));
}

TEST_F(UserPhraseTest, PhraseCodesComeFromTheReverseTableOfTheScheme) {
  AddDictionaryTable(dir.File("lmtsys_ODD.db"), "odd_sx",
                     {{"中", "zhon"}, {"国", "guoy"}, {"人", "renx"}});
  AddDictionaryTable(dir.File("lmtsys_ODD.db"), "odd_zx", {{"中", "khk"}, {"国", "lgy"}});
  EXPECT_EQ(PhraseCode("中国"), "zhguy");
  EXPECT_EQ(PhraseCode("中国人"), "zhgrex");
  EXPECT_EQ(PhraseCode("abc"), "");
  globals.sxScheme = 0;
  EXPECT_EQ(PhraseCode("中国"), "khlg");
  std::vector<std::string> distinct = {"国", "中"};
  LookupCharacterCodes(" hzcode='中'  or hzcode='国' ", distinct);
  EXPECT_EQ(distinct, (Texts{"lgy", "khk"}));
}

namespace {

int CALLBACK NeverCalled(LPCSTR, DWORD, LPCSTR, LPVOID called) {
  *static_cast<bool*>(called) = true;
  return 1;
}

}  // namespace

TEST(WordRegistration, EveryEntryPointDoesNothing) {
  EXPECT_FALSE(ImeRegisterWord("zg", IME_REGWORD_STYLE_EUDC, "中国"));
  EXPECT_FALSE(ImeUnregisterWord("zg", IME_REGWORD_STYLE_EUDC, "中国"));
  STYLEBUFA styles[2];
  std::memset(styles, 0x5A, sizeof styles);
  EXPECT_EQ(ImeGetRegisterWordStyle(2, styles), 0u);
  EXPECT_EQ(reinterpret_cast<unsigned char*>(styles)[0], 0x5A);
  bool called = false;
  EXPECT_EQ(ImeEnumRegisterWord(NeverCalled, nullptr, 0, nullptr, &called), 0u);
  EXPECT_FALSE(called);
}
