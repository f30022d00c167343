// The user's phrases exported and imported as text, and the backups of the user dictionary
// they can go back to, against small encrypted dictionaries.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "ime/dictionary/HeldConnections.h"
#include "ime/dictionary/PhraseTransfer.h"
#include "ime/dictionary/SQLiteTable3.h"
#include "ime/dictionary/UserDictionaryBackups.h"
#include "ime/dictionary/UserPhrases.h"
#include "tests/native/lookup_dictionaries.h"

namespace {

using Pairs = std::vector<UserPhrase>;

// A user dictionary with its two tables (and the given rows) in a folder of its own, and
// the characters' codes: 中 khk/zs, 国 lgyi/gy, 人 w/rf; 龙 has none.
class PhraseTransferTest : public ::testing::Test {
protected:
  PhraseTransferTest() { MakeUserDictionary({}, {}); }

  void MakeUserDictionary(const std::vector<DictionaryRow>& zxRows,
                          const std::vector<DictionaryRow>& sxRows) {
    AddDictionaryTable(UserFile(), "lmt_zx", zxRows);
    AddDictionaryTable(UserFile(), "lmt_sx", sxRows);
    AddDictionaryTable(folder.File("lmtsys_ODD.db"), "odd_zx",
                       {{"中", "khk"}, {"国", "lgyi"}, {"人", "w"}});
    AddDictionaryTable(folder.File("lmtsys_ODD.db"), "odd_sx",
                       {{"中", "zs"}, {"国", "gy"}, {"人", "rf"}});
  }

  std::string UserFile() { return folder.File("lmtsys_User.db"); }

  std::vector<std::string> BackupDates() {
    std::vector<std::string> dates;
    for (const UserDictionaryBackup& backup : ListUserDictionaryBackups(zx))
      dates.push_back(backup.date);
    return dates;
  }

  TempFolder folder;
  DictionarySet zx{folder.File(""), CodeScheme::zx};
  DictionarySet sx{folder.File(""), CodeScheme::sx};
};

// n phrases of 1 to 32 GB2312 characters (every 50th the longest, 64 bytes) under codes
// of 1 to the scheme's longest letters.
Pairs GeneratedPhrases(std::size_t n, std::size_t maxCode, unsigned seed) {
  std::mt19937 random(seed);
  Pairs phrases;
  std::set<std::pair<std::string, std::string>> seen;
  for (std::size_t k = 0; phrases.size() < n; ++k) {
    const std::size_t characters = k % 50 == 0 ? 32 : 1 + random() % 32;
    std::string text;
    for (std::size_t c = 0; c < characters; ++c) {
      text += static_cast<char>(0xB0 + random() % 0x27);  // rows 16-54: every cell assigned
      text += static_cast<char>(0xA1 + random() % 0x5E);
    }
    std::string code(1 + random() % maxCode, 'a');
    for (char& letter : code) letter = static_cast<char>('a' + random() % 26);
    if (seen.emplace(code, text).second) phrases.push_back({code, text});
  }
  return phrases;
}

std::vector<DictionaryRow> Rows(const Pairs& pairs) {
  std::vector<DictionaryRow> rows;
  for (const UserPhrase& p : pairs) rows.push_back({p.text, p.code});
  return rows;
}

}  // namespace

TEST_F(PhraseTransferTest, ExportThenImportIntoAnEmptyDictionaryLosesNothing) {
  const Pairs zxPhrases = GeneratedPhrases(5000, 4, 1);
  const Pairs sxPhrases = GeneratedPhrases(5000, 8, 2);
  TempFolder source;
  AddDictionaryTable(source.File("lmtsys_User.db"), "lmt_zx", Rows(zxPhrases));
  AddDictionaryTable(source.File("lmtsys_User.db"), "lmt_sx", Rows(sxPhrases));
  const ExportedPhrases exported = ExportUserPhrases({source.File(""), CodeScheme::sx});
  EXPECT_EQ(exported.count, 10000u);
  EXPECT_EQ(exported.text.substr(0, 1), "#");

  const ImportOutcome outcome = ImportUserPhrases(zx, exported.text, "20261208");
  EXPECT_EQ(outcome.fault, ImportFileFault::kNone);
  EXPECT_EQ(outcome.added, 10000u);
  EXPECT_EQ(outcome.skipped, 0u);
  EXPECT_EQ(outcome.invalidLines, std::vector<std::size_t>());
  EXPECT_EQ(ListUserPhrases(zx), ListUserPhrases({source.File(""), CodeScheme::zx}));
  EXPECT_EQ(ListUserPhrases(sx), ListUserPhrases({source.File(""), CodeScheme::sx}));
}

TEST_F(PhraseTransferTest, ListsOfEachLayoutGetTheirCodesAndSkipWhatIsStored) {
  ASSERT_EQ(AddUserPhrase(zx, {"khlg", "中国"}), PhraseRefusal::kNone);
  // UTF-8, as a plain Wubi table, a one-phrase-a-line list and our own lines give them.
  const std::string file = u8"# 词组\n"
                           u8"wqvb 你好 您好\n"
                           u8"中国\n"
                           u8"中国人\n"
                           u8"龙人\n"
                           u8"中国\tzsgyy\tsx\n"
                           u8"人人\tww\n";
  const ImportOutcome outcome = ImportUserPhrases(zx, file, "20261208");
  EXPECT_EQ(outcome.added, 5u);
  EXPECT_EQ(outcome.skipped, 1u);  // 中国 khlg, stored already
  EXPECT_EQ(outcome.invalidLines, (std::vector<std::size_t>{5}));  // 龙 has no code
  EXPECT_EQ(ListUserPhrases(zx), (Pairs{{"khlg", "中国"}, {"wqvb", "你好"}, {"wqvb", "您好"},
                                        {"klw", "中国人"}, {"ww", "人人"}}));
  EXPECT_EQ(ListUserPhrases(sx), (Pairs{{"zsgyy", "中国"}}));

  // The same list again adds nothing.
  const ImportOutcome again = ImportUserPhrases(zx, file, "20261208");
  EXPECT_EQ(again.added, 0u);
  EXPECT_EQ(again.skipped, 6u);
}

TEST_F(PhraseTransferTest, AFailingImportLeavesTheDictionaryAsItWas) {
  ASSERT_EQ(AddUserPhrase(zx, {"aa", "工工"}), PhraseRefusal::kNone);
  RunOnDictionary(UserFile(), {"create trigger refuse before insert on lmt_zx when "
                               "new.mbcode = 'cc' begin select raise(abort, 'refused'); end"});
  EXPECT_THROW(ImportUserPhrases(zx, u8"一一\tbb\n二二\tcc\n三三\tdd\n", "20261208"),
               ESQLiteException);
  EXPECT_EQ(ListUserPhrases(zx), (Pairs{{"aa", "工工"}}));
}

TEST_F(PhraseTransferTest, ARefusedFileWritesNothingNotEvenABackup) {
  std::string junk(4096, '\0');
  for (std::size_t k = 0; k < junk.size(); ++k) junk[k] = static_cast<char>(k * 131);
  for (const std::string& file : {junk, std::string(kMaxImportFileBytes + 1, 'a'),
                                  std::string(kMaxImportLineBytes * 4, 'a')}) {
    const ImportOutcome outcome = ImportUserPhrases(zx, file, "20261208");
    EXPECT_EQ(outcome.added, 0u);
  }
  EXPECT_EQ(BackupDates(), std::vector<std::string>());
  EXPECT_EQ(ListUserPhrases(zx), Pairs());
}

TEST_F(PhraseTransferTest, ImportsBackUpFirstAndTheThreeNewestBackupsAreKept) {
  RunOnDictionary(UserFile(), {"insert into lmt_zx values('aa','工工')"});
  for (const char* date : {"20200103", "20200101", "20200102"}) BackUpUserDictionary(zx, date);
  // Another file of the folder is never taken for a backup.
  std::ofstream(folder.File("lmtsys_User.2020.bak")) << "x";
  ImportUserPhrases(zx, u8"一一\tbb\n", "20261208");
  EXPECT_EQ(BackupDates(), (std::vector<std::string>{"20261208", "20200103", "20200102"}));
  const std::vector<UserDictionaryBackup> backups = ListUserDictionaryBackups(zx);
  EXPECT_EQ(PhraseCountOf(backups[0].path), 1u);  // before the import
  EXPECT_EQ(PhraseCountOf(UserFile()), 2u);
}

TEST_F(PhraseTransferTest, TheFirstWriteOfTheDayKeepsABackup) {
  ASSERT_EQ(AddUserPhrase(zx, {"aa", "工工"}), PhraseRefusal::kNone);
  ASSERT_EQ(BackupDates(), (std::vector<std::string>{TodayStamp()}));
  EXPECT_EQ(PhraseCountOf(ListUserDictionaryBackups(zx)[0].path), 0u);
  // Later writes that day leave it.
  ASSERT_EQ(AddUserPhrase(sx, {"bb", "二二"}), PhraseRefusal::kNone);
  DeleteUserPhrase(zx, {"aa", "工工"});
  EXPECT_EQ(PhraseCountOf(ListUserDictionaryBackups(zx)[0].path), 0u);
}

TEST_F(PhraseTransferTest, ADeletedOrDamagedDictionaryComesBackFromABackup) {
  for (const char* text : {"工工", "一一", "口口"})
    ASSERT_EQ(AddUserPhrase(zx, {"aa", text}), PhraseRefusal::kNone);
  ASSERT_EQ(AddUserPhrase(sx, {"bb", "二二"}), PhraseRefusal::kNone);
  BackUpUserDictionary(zx, "20200101");
  const Pairs zxBefore = ListUserPhrases(zx), sxBefore = ListUserPhrases(sx);
  const std::string backup = ListUserDictionaryBackups(zx).back().path;
  EXPECT_EQ(PhraseCountOf(backup), 4u);

  // Changed since: restoring keeps the changed file as today's backup first. (Today is a
  // day later than the backups the adds make.)
  ASSERT_EQ(AddUserPhrase(zx, {"cc", "三三"}), PhraseRefusal::kNone);
  EXPECT_EQ(RestoreUserDictionary(zx, backup, "20991231"), 4u);
  EXPECT_EQ(ListUserPhrases(zx), zxBefore);
  EXPECT_EQ(ListUserPhrases(sx), sxBefore);
  EXPECT_EQ(PhraseCountOf(ListUserDictionaryBackups(zx)[0].path), 5u);

  // Deleted (Windows deletes no file the process still holds open).
  CloseHeldConnections();
  ASSERT_EQ(std::remove(UserFile().c_str()), 0);
  EXPECT_EQ(RestoreUserDictionary(zx, backup, "20991231"), 4u);
  EXPECT_EQ(ListUserPhrases(zx), zxBefore);

  // Damaged: the damaged file is set aside, not lost.
  std::ofstream(UserFile(), std::ios::binary | std::ios::trunc) << std::string(8192, '\x5A');
  // A backup of it fails, and leaves the earlier backup of that day whole.
  EXPECT_THROW(BackUpUserDictionary(zx, "20200101"), ESQLiteException);
  EXPECT_EQ(PhraseCountOf(backup), 4u);
  EXPECT_EQ(RestoreUserDictionary(zx, backup, "20991231"), 4u);
  EXPECT_EQ(ListUserPhrases(zx), zxBefore);
  EXPECT_EQ(ListUserPhrases(sx), sxBefore);
  std::ifstream aside(UserFile() + ".damaged", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(aside), {}), std::string(8192, '\x5A'));

  // Today's own backup can be gone back to as well.
  BackUpUserDictionary(zx, "20991231");
  ASSERT_EQ(AddUserPhrase(zx, {"dd", "四四"}), PhraseRefusal::kNone);
  EXPECT_EQ(RestoreUserDictionary(zx, ListUserDictionaryBackups(zx)[0].path, "20991231"), 4u);
  EXPECT_EQ(ListUserPhrases(zx), zxBefore);
}
