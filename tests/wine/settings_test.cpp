// Start-up against the registry: defaults written on a first start, the scheme value,
// the installation directory and the caret-placement values.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "ime/settings/Globals.h"
#include "ime/settings/ListFiles.h"
#include "tests/wine/support/TestRegistry.h"

namespace {

struct StoredValue {
  DWORD type;
  std::string bytes;
  bool operator==(const StoredValue& other) const {
    return type == other.type && bytes == other.bytes;
  }
};

std::map<std::string, StoredValue> ReadAllValues(const char* path) {
  std::map<std::string, StoredValue> values;
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return values;
  for (DWORD i = 0;; ++i) {
    char name[256];
    BYTE data[1024];
    DWORD nameSize = sizeof name, dataSize = sizeof data, type = 0;
    if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &dataSize) != ERROR_SUCCESS)
      break;
    values[name] = {type, std::string(reinterpret_cast<char*>(data), dataSize)};
  }
  RegCloseKey(key);
  return values;
}

StoredValue Dword(DWORD value) {
  return {REG_DWORD, std::string(reinterpret_cast<const char*>(&value), sizeof value)};
}

class SettingsTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { InitGlobals(GetModuleHandleA(nullptr)); }
  static void TearDownTestSuite() { FreeGlobals(); }
  void SetUp() override { DeleteKeyTree(kSettingsKeyPath); }
  void TearDown() override { DeleteKeyTree(kSettingsKeyPath); }
};

TEST_F(SettingsTest, FirstStartStoresExactlyTheDefaults) {
  LoadSettings();

  const std::map<std::string, StoredValue> expected = {
      {"竖向排列", Dword(1)},   {"光标跟随", Dword(1)}, {"‘键替2选码", Dword(1)},
      {"词语联想", Dword(0)},   {"。键替3选码", Dword(1)}, {"默认检索", Dword(1)},
      {"声型", Dword(0)}};
  EXPECT_EQ(ReadAllValues(kSettingsKeyPath), expected);
  EXPECT_EQ(globals.verticalLayout, 1u);
  EXPECT_EQ(globals.followCaret, 1u);
  EXPECT_EQ(globals.quoteSelectsSecond, 1u);
  EXPECT_EQ(globals.periodSelectsThird, 1u);
  EXPECT_EQ(globals.wordAssociation, 0u);
  EXPECT_EQ(globals.gb2312Only, 1u);
  EXPECT_EQ(globals.sxScheme, 0);
}

TEST_F(SettingsTest, StoredValuesAreKeptAndOnlyAbsentOnesAdded) {
  SetDword(kSettingsKeyPath, "词语联想", 1);
  SetDword(kSettingsKeyPath, "竖向排列", 0);
  LoadSettings();
  EXPECT_EQ(globals.wordAssociation, 1u);
  EXPECT_EQ(globals.verticalLayout, 0u);
  const auto values = ReadAllValues(kSettingsKeyPath);
  EXPECT_EQ(values.size(), 7u);
  EXPECT_EQ(values.at("词语联想"), Dword(1));
  EXPECT_EQ(values.at("竖向排列"), Dword(0));
}

TEST_F(SettingsTest, OnlySchemeValueOneSelectsSoundAndShape) {
  for (DWORD stored : {0u, 1u, 2u, 0x101u}) {
    SetDword(kSettingsKeyPath, "声型", stored);
    LoadSettings();
    EXPECT_EQ(globals.sxScheme, stored == 1 ? 1 : 0) << "stored " << stored;
  }
}

TEST_F(SettingsTest, ValueTypeIsNotCheckedButOversizedValueIsReplaced) {
  SetDword(kSettingsKeyPath, "光标跟随", 0, REG_BINARY);
  SetString(kSettingsKeyPath, "默认检索", "a long text value");
  LoadSettings();
  EXPECT_EQ(globals.followCaret, 0u);
  EXPECT_EQ(globals.gb2312Only, 1u);
  EXPECT_EQ(ReadAllValues(kSettingsKeyPath).at("默认检索"), Dword(1));
}

TEST_F(SettingsTest, NoSetupDirMeansNotInstalled) {
  LoadSettings();
  EXPECT_STREQ(globals.installDir, "");
  EXPECT_STREQ(globals.dictionaryDir, "");
  EXPECT_STREQ(globals.linkListPath, "");
  EXPECT_TRUE(queryList.entries.empty());

  SetString(kSettingsKeyPath, "SetupDir", "");
  LoadSettings();
  EXPECT_STREQ(globals.dictionaryDir, "");
}

TEST_F(SettingsTest, DictionaryDirectoryIsBelowTheInstallationDirectory) {
  SetString(kSettingsKeyPath, "SetupDir", "C:\\Program Files\\鲁码");
  LoadSettings();
  EXPECT_STREQ(globals.dictionaryDir, "C:\\Program Files\\鲁码\\lumatoridb\\");
  EXPECT_STREQ(globals.linkListPath, "C:\\Program Files\\鲁码\\intlist.ini");

  SetString(kSettingsKeyPath, "SetupDir", "D:\\lmt\\");
  LoadSettings();
  EXPECT_STREQ(globals.dictionaryDir, "D:\\lmt\\lumatoridb\\");

  SetString(kSettingsKeyPath, "SetupDir", "D:\\籠");  // GBK BB 5C: no separator at its end
  LoadSettings();
  EXPECT_STREQ(globals.dictionaryDir, "D:\\籠\\lumatoridb\\");
}

TEST_F(SettingsTest, OverlongSetupDirNeverOverrunsThePathBuffers) {
  // 247 bytes + "\" + "lumatoridb\" is 259: the longest that fits with its terminator.
  const std::string fits = "C:\\" + std::string(244, 'd');
  SetString(kSettingsKeyPath, "SetupDir", fits);
  LoadSettings();
  EXPECT_EQ(std::string(globals.dictionaryDir), fits + "\\lumatoridb\\");

  for (size_t length : {248u, 259u, 260u, 1000u, 5000u}) {
    SetString(kSettingsKeyPath, "SetupDir", "C:\\" + std::string(length - 3, 'x'));
    LoadSettings();
    EXPECT_STREQ(globals.dictionaryDir, "") << length;
    EXPECT_STREQ(globals.linkListPath, "") << length;
    EXPECT_EQ(globals.resourceModule, globals.moduleInstance);
    EXPECT_EQ(globals.verticalLayout, 1u) << "settings after the path still read";
  }
}

class CaretPlacementTest : public testing::Test {
 protected:
  void SetUp() override { DeleteKeyTree(kCaretKeyPath); }
  void TearDown() override {
    FreeGlobals();
    DeleteKeyTree(kCaretKeyPath);
  }
};

TEST_F(CaretPlacementTest, AbsentValuesAreWrittenAsFourByteBinaries) {
  InitGlobals(GetModuleHandleA(nullptr));
  ASSERT_GT(globals.charHeight, 0) << "the sample character was measured";
  const DWORD height = static_cast<DWORD>(globals.charHeight);
  const auto values = ReadAllValues(kCaretKeyPath);
  auto binary = [](DWORD v) {
    return StoredValue{REG_BINARY, std::string(reinterpret_cast<const char*>(&v), 4)};
  };
  EXPECT_EQ(values.at("Parallel Distance"), binary(0));
  EXPECT_EQ(values.at("Perpendicular Distance"), binary(height));
  EXPECT_EQ(values.at("Perpendicular Tolerance"), binary(height));
  EXPECT_EQ(globals.perpendicularDistance, height);
  EXPECT_EQ(globals.parallelTolerance, 0u);
}

TEST_F(CaretPlacementTest, StoredValuesAreUsed) {
  SetDword(kCaretKeyPath, "Parallel Distance", 7, REG_BINARY);
  SetDword(kCaretKeyPath, "Perpendicular Tolerance", 3, REG_BINARY);
  InitGlobals(GetModuleHandleA(nullptr));
  EXPECT_EQ(globals.parallelDistance, 7u);
  EXPECT_EQ(globals.perpendicularTolerance, 3u);
}

TEST(InitGlobalsTest, FillsStringsPoolAndWorkArea) {
  InitGlobals(GetModuleHandleA(nullptr));
  EXPECT_STREQ(globals.settingsKeyName, "LUMatori");
  EXPECT_STREQ(globals.classNames[kClassUi], "RurevEdovIme_Mz");
  EXPECT_STREQ(globals.classNames[kClassContext], "ImeContextime_Mz");
  EXPECT_STREQ(globals.classNames[kClassSoftkeyMenu], "ImeSoftkeyMenuwinime_Mz");
  EXPECT_STREQ(globals.errorTitle, "错误");
  EXPECT_EQ(globals.errorTitleLength, 4);
  for (char* buffer : globals.candidatePool) ASSERT_NE(buffer, nullptr);
  EXPECT_GE(globals.workArea.right, 8);
  EXPECT_GE(globals.workArea.bottom, 8);
  EXPECT_GT(globals.charWidth, 0);
  FreeGlobals();
  EXPECT_EQ(globals.candidatePool[0], nullptr);
}

}  // namespace
