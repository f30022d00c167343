// The layouts of the blocks: the candidate information block, its list and the entries that
// hold the candidates' texts; the composition block, which a clearing leaves its bytes.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ime/engine/BlockLayouts.h"
#include "ime/engine/CandidateList.h"

namespace {

struct Block {
  std::vector<char> bytes = std::vector<char>(kCandidateInfoSize, '\x5A');
  Block() { InitCandidateInfo(bytes.data()); }
  CandidateList* List() { return CandidateListOf(bytes.data()); }
  std::uint32_t Word(std::size_t offset) const {
    std::uint32_t value;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
  }
};

}  // namespace

TEST(CandidateInfo, ResetLayout) {
  Block block;
  EXPECT_EQ(block.Word(0), block.bytes.size());
  EXPECT_EQ(block.Word(4), 0u);
  EXPECT_EQ(block.Word(8), 144u);
  const std::size_t list = 144;
  EXPECT_EQ(block.Word(list + 0), kFirstEntryOffset);  // no text yet
  EXPECT_EQ(block.Word(list + 4), 1u);   // IME_CAND_READ
  EXPECT_EQ(block.Word(list + 8), 0u);   // dwCount
  EXPECT_EQ(block.Word(list + 12), 0u);  // dwSelection
  EXPECT_EQ(block.Word(list + 16), 0u);  // dwPageStart
  EXPECT_EQ(block.Word(list + 20), 7u);  // dwPageSize
  EXPECT_EQ(block.List()->rowsDrawn, 0u);
  EXPECT_EQ(block.List()->backwardFill, 0);
  EXPECT_EQ(reinterpret_cast<char*>(block.List()), block.bytes.data() + list);
}

// An application reads entry k at list start + the k-th offset after the six header
// fields: the text itself, zero-terminated, inside the list's dwSize.
TEST(CandidateInfo, EntriesHoldTheTextAsAnApplicationReadsIt) {
  Block block;
  CandidateList* list = block.List();
  const std::string longest(kDisplayTextMax / 2, 'X');
  const std::string texts[] = {"工", "式子", longest + longest};
  for (std::uint32_t k = 0; k < kMaxCandidates; ++k) ASSERT_TRUE(AppendCandidateEntry(list, texts[k % 3]));
  EXPECT_FALSE(AppendCandidateEntry(list, "工")) << "a full list takes no more";
  ASSERT_EQ(list->dwCount, kMaxCandidates);
  const std::size_t start = 144;
  for (std::uint32_t k = 0; k < kMaxCandidates; ++k) {
    const std::uint32_t offset = block.Word(start + 24 + 4 * k);
    ASSERT_LT(offset + texts[k % 3].size(), block.Word(start));
    EXPECT_STREQ(block.bytes.data() + start + offset, texts[k % 3].c_str()) << k;
    EXPECT_EQ(CandidateEntryText(list, k), texts[k % 3]);
  }
  EXPECT_LE(start + block.Word(start), block.bytes.size());
}

TEST(CandidateInfo, ATextLongerThanADisplayTextIsRefused) {
  Block block;
  EXPECT_FALSE(AppendCandidateEntry(block.List(), std::string(kDisplayTextMax + 1, 'X')));
  EXPECT_EQ(block.List()->dwCount, 0u);
  EXPECT_EQ(block.List()->dwSize, kFirstEntryOffset);
}

// The window draws a record's remaining code only while its buffer still holds the record
// the entry shows; another lookup may have reused it.
TEST(CandidateInfo, RecordsAreReadOnlyWhileTheyMatchTheEntry) {
  Block block;
  CandidateList* list = block.List();
  std::vector<char> buffer(73);
  std::strcpy(buffer.data(), "1式\ra\r");
  char* pool[] = {buffer.data()};
  ASSERT_TRUE(AppendCandidateEntry(list, "式"));
  EXPECT_EQ(CandidateRecordAt(pool, list, 0), buffer.data());
  EXPECT_EQ(CandidateRecordText(pool, list, 0), "式\ra\r");
  std::strcpy(buffer.data(), "0工");
  EXPECT_EQ(CandidateRecordAt(pool, list, 0), nullptr);
  EXPECT_EQ(CandidateRecordText(pool, list, 0), "式");
  EXPECT_EQ(CandidateRecordAt(pool, list, 1), nullptr) << "beyond the list";
}

TEST(CompositionBlock, ClearingKeepsTheBuffers) {
  std::vector<char> bytes(CompositionBlockSize(8));
  auto* cs = reinterpret_cast<COMPOSITIONSTRING*>(bytes.data());
  LayOutComposition(cs, static_cast<std::uint32_t>(bytes.size()), 8);
  char* code = bytes.data() + cs->dwCompStrOffset;
  std::strcpy(code, "ab");
  cs->dwCompStrLen = cs->dwCompReadStrLen = cs->dwCompAttrLen = cs->dwCompReadAttrLen = 2;
  cs->dwCursorPos = 2;
  cs->dwDeltaStart = 1;
  cs->dwResultStrLen = 4;
  ClearComposition(cs);
  EXPECT_EQ(cs->dwCompStrLen + cs->dwCompReadStrLen + cs->dwCompAttrLen + cs->dwCompReadAttrLen,
            0u);
  EXPECT_EQ(cs->dwCursorPos + cs->dwDeltaStart + cs->dwResultStrLen, 0u);
  EXPECT_STREQ(code, "ab");
  EXPECT_EQ(cs->dwCompStrOffset, 117u);
}
