// Building candidate records from untrusted dictionary texts and codes.
#include <gtest/gtest.h>

#include <string>

#include "ime/dictionary/CandidateRecord.h"
#include "ime/dictionary/CandidateText.h"
#include "ime/dictionary/VariantTable.h"
#include "tests/native/RepeatedText.h"

namespace {

std::string ToTable(const std::string& text) { return TableToTraditional(text); }
// A conversion that makes the text longer than a display text may be.
std::string Doubling(const std::string& text) { return text + text; }

}  // namespace

TEST(CandidateRecord, MarkerTextAndCodePart) {
  EXPECT_EQ(BuildCandidateRecord("中国", "go", true, nullptr), "1中国\rgo\r");
  EXPECT_EQ(BuildCandidateRecord("中国", "", false, nullptr), "0中国");
  EXPECT_EQ(BuildCandidateRecord("", "", false, nullptr), "0");
}

TEST(CandidateRecord, LongTextsAreCutToTheirDisplayLength) {
  EXPECT_EQ(BuildCandidateRecord(Repeat("中", 40), "", false, nullptr), "0" + Repeat("中", 32));
  EXPECT_EQ(BuildCandidateRecord("a" + Repeat("中", 40), "", false, nullptr),
            "0a" + Repeat("中", 31));
  EXPECT_EQ(BuildCandidateRecord("ab\xD6", "", false, nullptr), "0ab");
}

TEST(CandidateRecord, ACodeThatDoesNotFitIsShortenedAndKeepsItsClosingReturn) {
  const std::string text = Repeat("中", 32);
  const std::string record = BuildCandidateRecord(text, "abcdefgh", false, nullptr);
  EXPECT_EQ(record, "0" + text + "\rabcde\r");
  EXPECT_EQ(record.size(), kCandidateRecordSize - 1);
  EXPECT_EQ(RecordDisplayLength(std::string_view(record).substr(1)), 64u);
  EXPECT_EQ(BuildCandidateRecord(text, std::string(500, 'z'), true, nullptr).size(),
            kCandidateRecordSize - 1);
}

TEST(CandidateRecord, CarriageReturnsInsideValuesEndThem) {
  EXPECT_EQ(BuildCandidateRecord("中\r国", "a\rb", false, nullptr), "0中\ra\r");
  EXPECT_EQ(BuildCandidateRecord("\r", "\r", false, nullptr), "0");
}

TEST(CandidateRecord, TheConversionAppliesToTheTextAndKeepsItsLimit) {
  EXPECT_EQ(BuildCandidateRecord("中国", "g", false, ToTable), "0中國\rg\r");
  const std::string converted = BuildCandidateRecord(Repeat("中", 20), "ab", true, Doubling);
  EXPECT_EQ(converted, "1" + Repeat("中", 32) + "\rab\r");
}
