// The layouts of the blocks: the candidate information block, its list and the entries that
// point to the pool; the composition block, which a clearing leaves its bytes.
#include <gtest/gtest.h>

#include <cstring>
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
  EXPECT_EQ(block.Word(0), 32196u);
  EXPECT_EQ(block.Word(4), 0u);
  EXPECT_EQ(block.Word(8), 144u);
  const std::size_t list = 144;
  EXPECT_EQ(block.Word(list + 0), 32052u);
  EXPECT_EQ(block.Word(list + 4), 1u);   // IME_CAND_READ
  EXPECT_EQ(block.Word(list + 8), 0u);   // dwCount
  EXPECT_EQ(block.Word(list + 12), 0u);  // dwSelection
  EXPECT_EQ(block.Word(list + 20), 7u);  // dwPageSize
  EXPECT_EQ(block.Word(list + 24), 0u);  // rows drawn
  EXPECT_EQ(block.bytes[list + 28], 0);  // backward fill
  EXPECT_EQ(block.Word(list + 32), 16040u);
  EXPECT_EQ(reinterpret_cast<char*>(block.List()), block.bytes.data() + list);
}

TEST(CandidateInfo, EntriesHoldAPointerAndAZeroByte) {
  Block block;
  CandidateList* list = block.List();
  std::vector<std::vector<char>> pool(kMaxCandidates, std::vector<char>(73));
  for (auto& buffer : pool) AppendCandidateEntry(list, buffer.data());
  ASSERT_EQ(list->dwCount, kMaxCandidates);
  for (std::uint32_t k = 0; k < kMaxCandidates; ++k) {
    EXPECT_EQ(list->dwOffset[k], 16040 + k * kCandidateEntrySize);
    EXPECT_EQ(CandidateRecordAt(list, k), pool[k].data());
    EXPECT_EQ(block.bytes[144 + list->dwOffset[k] + sizeof(void*)], 0);
  }
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
