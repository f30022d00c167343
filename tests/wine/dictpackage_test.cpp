// Installing the dictionary set: the user dictionary is never replaced, system files are
// replaced only by complete new ones, and a failure, or a file another program holds open,
// leaves every old file as it was.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>

#include "ime/dictionary/CandidateLookup.h"
#include "ime/dictionary/HeldConnections.h"
#include "setup/common/PackageResult.h"
#include "setup/dictpackage/InstallFiles.h"
#include "tests/native/KeyedDatabaseFiles.h"
#include "tests/native/lookup_dictionaries.h"
#include "tests/wine/support/Programs.h"

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

PayloadFile Payload(const char* name, const std::string& bytes) {
  return {name, bytes.data(), static_cast<DWORD>(bytes.size())};
}

class InstallFilesTest : public testing::Test {
 protected:
  TempFolder install;
  std::string root = install.File("");
  std::string dir = install.File("") + "lumatoridb\\";
  const std::string newSystem = std::string(100000, 'S');
  const std::string newUser = "fresh user dictionary";
  const std::string newOdd = "reverse tables";
};

TEST_F(InstallFilesTest, FreshDirectoryGetsEveryFile) {
  ASSERT_TRUE(InstallFiles(root, {Payload("lumatoridb\\lmtsys_a.db", newSystem),
                                  Payload("lumatoridb\\lmtsys_User.db", newUser),
                                  Payload("lumatoridb\\lmtsys_ODD.db", newOdd),
                                  Payload("adlist.ini", "[baseset]")}));
  EXPECT_EQ(ReadFile(dir + "lmtsys_a.db"), newSystem);
  EXPECT_EQ(ReadFile(dir + "lmtsys_User.db"), newUser);
  EXPECT_EQ(ReadFile(dir + "lmtsys_ODD.db"), newOdd);
  EXPECT_EQ(ReadFile(root + "adlist.ini"), "[baseset]");
}

TEST_F(InstallFilesTest, UserDictionaryAndListFilesAreKeptByteForByte) {
  CreateDirectoryA(dir.c_str(), nullptr);
  const std::string phrases("user phrases\0with a zero byte", 29);
  WriteFile(dir + "lmtsys_user.db", phrases);  // any letter case names the same file
  WriteFile(dir + "lmtsys_a.db", "old system file");
  WriteFile(root + "intlist.ini", "[my links]");

  ASSERT_TRUE(InstallFiles(root, {Payload("lumatoridb\\lmtsys_a.db", newSystem),
                                  Payload("lumatoridb\\lmtsys_User.db", newUser),
                                  Payload("intlist.ini", "[default links]")}));
  EXPECT_EQ(ReadFile(dir + "lmtsys_User.db"), phrases);
  EXPECT_EQ(ReadFile(dir + "lmtsys_a.db"), newSystem);
  EXPECT_EQ(ReadFile(root + "intlist.ini"), "[my links]");
}

TEST_F(InstallFilesTest, AFailedWriteReplacesNothingAndLeavesNoTemporaryFile) {
  CreateDirectoryA(dir.c_str(), nullptr);
  WriteFile(dir + "lmtsys_a.db", "old a");
  WriteFile(dir + "lmtsys_b.db", "old b");
  // A directory where the new b must be written makes that write fail.
  CreateDirectoryA((dir + "lmtsys_b.db.lmtnew").c_str(), nullptr);

  EXPECT_FALSE(InstallFiles(root, {Payload("lumatoridb\\lmtsys_a.db", newSystem),
                                   Payload("lumatoridb\\lmtsys_b.db", newSystem)}));
  EXPECT_EQ(ReadFile(dir + "lmtsys_a.db"), "old a");
  EXPECT_EQ(ReadFile(dir + "lmtsys_b.db"), "old b");
  EXPECT_EQ(GetFileAttributesA((dir + "lmtsys_a.db.lmtnew").c_str()), INVALID_FILE_ATTRIBUTES);
}

// The files of a folder whose names end in suffix.
int FilesEndingIn(const std::string& dir, const char* suffix) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((dir + "*" + suffix).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return 0;
  int count = 0;
  do ++count;
  while (FindNextFileA(search, &found));
  FindClose(search);
  return count;
}

// An application that has typed keeps the dictionaries it read open until it has been idle
// a while (here this process, through the module's lookup). The package run meanwhile
// replaces no file, not even those nobody holds, and says so; once they are closed, it
// installs them.
TEST_F(InstallFilesTest, DictionariesHeldOpenAreReplacedOnlyOnceClosed) {
  CreateDirectoryA(dir.c_str(), nullptr);
  WriteDictionaryFolder(dir, {{"lmtsys_a.db", "lmt_zx", {{"工", "a"}}}});
  WriteFile(dir + "lmtsys_b.db", "old b");
  const std::string oldA = ReadFile(dir + "lmtsys_a.db");
  const DictionarySet zx{dir, CodeScheme::zx};
  ASSERT_EQ(LookupCandidates("a", zx, {false, nullptr}).records, std::vector<std::string>{"0工"});

  std::string installDir = root;
  installDir.pop_back();
  const std::string package =
      "\"" + BesideThisProgram("lumatori.exe") + "\" \"" + installDir + "\"";
  EXPECT_EQ(RunAndWait(package, 120000), kDictionariesHeld);
  EXPECT_EQ(ReadFile(dir + "lmtsys_a.db"), oldA);
  EXPECT_EQ(ReadFile(dir + "lmtsys_b.db"), "old b");
  EXPECT_EQ(GetFileAttributesA((dir + "lmtsys_c.db").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(FilesEndingIn(dir, ".lmtnew") + FilesEndingIn(dir, ".lmtold"), 0);

  CloseHeldConnections();
  EXPECT_EQ(RunAndWait(package, 120000), 0u);
  EXPECT_NE(ReadFile(dir + "lmtsys_a.db"), oldA);
  EXPECT_NE(ReadFile(dir + "lmtsys_b.db"), "old b");
  EXPECT_GT(FilesEndingIn(dir, ".db"), 20);
  EXPECT_EQ(FilesEndingIn(dir, ".lmtnew") + FilesEndingIn(dir, ".lmtold"), 0);
}

TEST_F(InstallFilesTest, UnwritableDirectoryFails) {
  WriteFile(install.File("") + "blocker", "a file where the directory should be");
  EXPECT_FALSE(InstallFiles(root + "blocker\\", {Payload("lumatoridb\\lmtsys_a.db", newSystem)}));
}

}  // namespace
