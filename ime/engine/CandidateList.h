// The candidate information block and the candidate list inside it. The list is a true
// CANDIDATELIST, which applications copy out through the input method manager (games and
// screen readers draw or speak candidates from it): entry k, at list start + dwOffset[k],
// is the candidate's text as the user sees it, zero-terminated GBK. The records behind the
// entries (marker, remaining code) stay in the module's candidate buffers. The candidate
// window's two fields lie between the offset table and the texts, where no offset points.
// Every field is fixed-width, so the layout is the same on 32-bit and 64-bit builds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ime/dictionary/CandidateText.h"

constexpr std::uint32_t kMaxCandidates = 1000;
constexpr std::uint32_t kCandidatePageSize = 7;
constexpr std::uint32_t kCandidateStyleRead = 1;  // IME_CAND_READ

struct CandidateList {
  std::uint32_t dwSize;  // up to the end of the last text
  std::uint32_t dwStyle;
  std::uint32_t dwCount;
  std::uint32_t dwSelection;
  std::uint32_t dwPageStart;
  std::uint32_t dwPageSize;
  std::uint32_t dwOffset[kMaxCandidates];
  std::uint32_t rowsDrawn;     // written by the candidate window at each paint; 0: not drawn
  std::uint8_t backwardFill;   // page-up in horizontal layout fills the page from its end
  std::uint8_t reserved[3];
};

static_assert(offsetof(CandidateList, dwOffset) == 24);

constexpr std::uint32_t kCandidateListOffset = 144;  // from the start of the block
constexpr std::uint32_t kFirstEntryOffset = sizeof(CandidateList);  // from the list's start
// A display text and its zero byte.
constexpr std::uint32_t kCandidateEntryMax = kDisplayTextMax + 1;
// Room for the longest texts of a full list.
constexpr std::uint32_t kCandidateListSize = kFirstEntryOffset + kMaxCandidates * kCandidateEntryMax;
constexpr std::uint32_t kCandidateInfoSize = kCandidateListOffset + kCandidateListSize;

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
// Empties the list for a new one: no entries, the selection and page at 0, not drawn.
void EmptyCandidateList(CandidateList* list);
// Appends an entry holding text (a display text, at most kDisplayTextMax bytes); false, with
// nothing appended, when the list is full or the text too long.
bool AppendCandidateEntry(CandidateList* list, std::string_view text);
// The text of entry index; empty when there is no such entry.
std::string_view CandidateEntryText(const CandidateList* list, std::uint32_t index);
// The record behind entry index in the candidate buffers, or nullptr when the buffer no
// longer holds it (another context's lookup reuses the buffers).
const char* CandidateRecordAt(char* const* pool, const CandidateList* list, std::uint32_t index);
// The record's string after its marker (display text and remaining code) for entry index,
// or the entry's text alone when the buffer no longer holds its record.
std::string_view CandidateRecordText(char* const* pool, const CandidateList* list,
                                     std::uint32_t index);
// The candidates the list keys reach on the page shown: those the window drew, or the
// page's when the window has not drawn it (an application may hide it).
std::uint32_t RowsOnPage(const CandidateList* list);
// The candidate window drew rows entries from first (which a backward fill moves the page
// to): the list keys select among them.
void PageDrawn(CandidateList* list, std::uint32_t first, std::uint32_t rows);
