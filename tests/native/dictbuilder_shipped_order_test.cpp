// The order in which the built dictionaries list their entries, over all of the data and
// read with the module's own statements, against the weights of the open tables they are
// made from: in sx a syllable lists its characters most frequent first, and a shape letter
// narrows that list in the same order; word association lists heavier entries first.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "ime/dictionary/LookupStatements.h"
#include "ime/dictionary/SQLiteTable3.h"
#include "tools/dictbuilder/DoublePinyin.h"
#include "tools/dictbuilder/GbkText.h"
#include "tools/dictbuilder/RimeDict.h"
#include "tools/dictbuilder/Utf8.h"

using namespace dictbuilder;

namespace {

const std::string kDictionaryDir = LMT_BUILT_DICTIONARY_DIR;

struct Row {
  std::string text;
  std::string code;
};

std::vector<Row> Query(const std::string& file, const BoundSql& statement) {
  TSQLiteDatabase db(kDictionaryDir + "/" + file, kDictionaryPassword);
  std::vector<Row> rows;
  for (auto table = db.Query(statement.sql, statement.values); !table->AtEnd(); table->MoveNext())
    rows.push_back({table->FieldTextOrEmpty(0), table->FieldTextOrEmpty(1)});
  return rows;
}

std::vector<Row> Lookup(const std::string& code) {
  return Query("lmtsys_" + code.substr(0, 1) + ".db", CodeLookupStatement("lmt_sx", code));
}

// The texts of the rows listed under exactly code; the lookup lists them before the
// longer codes.
std::vector<std::string> ListedUnder(const std::vector<Row>& rows, const std::string& code) {
  std::vector<std::string> texts;
  for (const Row& row : rows)
    if (row.code == code) texts.push_back(row.text);
  return texts;
}

using Weights = std::map<std::string, double>;  // GBK text -> weight

// Whether texts are listed heaviest first; texts without a weight are passed over.
testing::AssertionResult HeaviestFirst(const std::vector<std::string>& texts,
                                       const Weights& weights) {
  double previous = 0;
  bool first = true;
  for (const std::string& text : texts) {
    const auto weight = weights.find(text);
    if (weight == weights.end()) continue;
    if (!first && weight->second > previous)
      return testing::AssertionFailure() << "a text of weight " << weight->second
                                         << " follows one of weight " << previous;
    previous = weight->second;
    first = false;
  }
  return testing::AssertionSuccess();
}

// Each syllable's characters (GBK) with the weight of that reading.
std::map<std::string, Weights> CharactersBySyllable() {
  std::map<std::string, Weights> syllables;
  for (const RimeRow& row : ReadRimeDict(LMT_PINYIN_TABLE).rows) {
    std::string syllable, text;
    if (SplitUtf8Characters(row.text).size() != 1 || !ZiranmaSyllableCode(row.code, syllable) ||
        !Utf8ToGbk(row.text, text))
      continue;
    double& weight = syllables[syllable][text];
    weight = std::max(weight, row.weight);
  }
  return syllables;
}

std::set<std::string> SetOf(const std::vector<std::string>& texts) {
  return {texts.begin(), texts.end()};
}

std::set<std::string> KeysOf(const Weights& weights) {
  std::set<std::string> keys;
  for (const auto& entry : weights) keys.insert(entry.first);
  return keys;
}

// Texts (GBK) with the one weight the source gives them under key; keys the source weighs
// differently in different rows are left out.
template <typename KeyOf>
std::map<std::string, double> UnambiguousWeights(const char* source, KeyOf keyOf) {
  std::map<std::string, std::set<double>> all;
  for (const RimeRow& row : ReadRimeDict(source).rows) {
    std::string text;
    if (Utf8ToGbk(row.text, text)) all[keyOf(row, text)].insert(row.weight);
  }
  std::map<std::string, double> weights;
  for (const auto& [key, values] : all)
    if (values.size() == 1) weights[key] = *values.begin();
  return weights;
}

}  // namespace

TEST(ShippedOrder, EachSyllableListsItsCharactersMostFrequentFirst) {
  const auto syllables = CharactersBySyllable();
  ASSERT_GT(syllables.size(), 300u);
  for (const auto& [syllable, characters] : syllables) {
    const std::vector<std::string> listed = ListedUnder(Lookup(syllable), syllable);
    EXPECT_EQ(SetOf(listed), KeysOf(characters)) << syllable;
    EXPECT_TRUE(HeaviestFirst(listed, characters)) << syllable;
  }
}

TEST(ShippedOrder, AShapeLetterNarrowsTheSyllableInTheSameOrder) {
  for (const auto& [syllable, characters] : CharactersBySyllable()) {
    for (char shape = 'a'; shape <= 'y'; ++shape) {
      const std::string code = syllable + shape;
      const std::vector<Row> rows = Lookup(code);
      std::set<std::string> withThisShape;  // the characters whose full code starts so
      for (const Row& row : rows)
        if (row.code.size() == 4 && characters.count(row.text)) withThisShape.insert(row.text);
      const std::vector<std::string> listed = ListedUnder(rows, code);
      EXPECT_EQ(SetOf(listed), withThisShape) << code;
      EXPECT_TRUE(HeaviestFirst(listed, characters)) << code;
    }
  }
}

// Every association lists a part of what the widest one (an empty committed text) lists,
// in the same order; so the whole of each table is checked in that order.
TEST(ShippedOrder, WordAssociationListsHeavierEntriesFirst) {
  const auto byCodeAndText = [](const RimeRow& row, const std::string& text) {
    return row.code + '\t' + text;
  };
  const auto byText = [](const RimeRow&, const std::string& text) { return text; };
  const auto zx = UnambiguousWeights(LMT_WUBI_TABLE, byCodeAndText);
  const auto sx = UnambiguousWeights(LMT_PINYIN_TABLE, byText);
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(kDictionaryDir)) {
    const std::string name = entry.path().filename().string();
    if (name.size() != 11 || name.rfind("lmtsys_", 0) != 0) continue;  // lmtsys_?.db
    ++files;
    std::vector<std::string> zxRows, sxRows;
    for (const Row& row : Query(name, AssociationStatement("lmt_zx", "")))
      zxRows.push_back(row.code + '\t' + row.text);
    for (const Row& row : Query(name, AssociationStatement("lmt_sx", "")))
      sxRows.push_back(row.text);
    EXPECT_TRUE(HeaviestFirst(zxRows, zx)) << name << " lmt_zx";
    EXPECT_TRUE(HeaviestFirst(sxRows, sx)) << name << " lmt_sx";
  }
  EXPECT_GT(files, 20);
}
