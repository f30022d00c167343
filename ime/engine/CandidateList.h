// The candidate information block and the candidate list inside it. The list's header
// begins like CANDIDATELIST and carries two engine fields before the offset table; each
// entry holds the address of a candidate buffer followed by a zero byte.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr std::uint32_t kMaxCandidates = 1000;
constexpr std::uint32_t kCandidatePageSize = 7;
constexpr std::uint32_t kCandidateStyleRead = 1;  // IME_CAND_READ

constexpr std::uint32_t kCandidateInfoSize = 32196;
constexpr std::uint32_t kCandidateListOffset = 144;  // from the start of the block
constexpr std::uint32_t kCandidateListSize = kCandidateInfoSize - kCandidateListOffset;
constexpr std::uint32_t kFirstEntryOffset = 16040;  // from the start of the list
// A pointer of the platform's width and a zero byte: 5 bytes on 32-bit, 9 on 64-bit.
constexpr std::uint32_t kCandidateEntrySize = sizeof(void*) + 1;

struct CandidateList {
  std::uint32_t dwSize;
  std::uint32_t dwStyle;
  std::uint32_t dwCount;
  std::uint32_t dwSelection;
  std::uint32_t dwPageStart;
  std::uint32_t dwPageSize;
  std::uint32_t rowsDrawn;     // written by the candidate window at each paint
  std::uint8_t backwardFill;   // page-up in horizontal layout fills the page from its end
  std::uint8_t reserved[3];
  std::uint32_t dwOffset[kMaxCandidates + 1];
};

static_assert(offsetof(CandidateList, dwOffset) == 32);
static_assert(sizeof(CandidateList) <= kFirstEntryOffset);
static_assert(kFirstEntryOffset + kMaxCandidates * kCandidateEntrySize <= kCandidateListSize);

// The head of the candidate information block (CANDIDATEINFO's first fields).
struct CandidateInfoHead {
  std::uint32_t dwSize;
  std::uint32_t dwCount;
  std::uint32_t dwOffset0;
};

// Writes the reset layout into a block of kCandidateInfoSize bytes: an empty list.
void InitCandidateInfo(void* block);
// The list inside a candidate information block.
CandidateList* CandidateListOf(void* block);
// Appends an entry that points to record; the caller keeps dwCount below kMaxCandidates.
void AppendCandidateEntry(CandidateList* list, char* record);
// The record that entry index points to.
char* CandidateRecordAt(const CandidateList* list, std::uint32_t index);
// The candidate window drew rows entries from first (which a backward fill moves the page
// to): the list keys select among them.
void PageDrawn(CandidateList* list, std::uint32_t first, std::uint32_t rows);
