#include "ime/engine/CandidateList.h"

#include <cstring>

void InitCandidateInfo(void* block) {
  std::memset(block, 0, kCandidateInfoSize);
  auto* head = static_cast<CandidateInfoHead*>(block);
  head->dwSize = kCandidateInfoSize;
  head->dwCount = 0;
  head->dwOffset0 = kCandidateListOffset;
  CandidateList* list = CandidateListOf(block);
  list->dwSize = kCandidateListSize;
  list->dwStyle = kCandidateStyleRead;
  list->dwPageSize = kCandidatePageSize;
  list->dwOffset[0] = kFirstEntryOffset;
}

CandidateList* CandidateListOf(void* block) {
  return reinterpret_cast<CandidateList*>(static_cast<char*>(block) + kCandidateListOffset);
}

// Entries are packed, so the pointer inside one is generally unaligned: copy its bytes.
void AppendCandidateEntry(CandidateList* list, char* record) {
  const std::uint32_t k = list->dwCount;
  char* entry = reinterpret_cast<char*>(list) + list->dwOffset[k];
  std::memcpy(entry, &record, sizeof record);
  entry[sizeof record] = 0;
  list->dwOffset[k + 1] = list->dwOffset[k] + kCandidateEntrySize;
  list->dwCount = k + 1;
}

void PageDrawn(CandidateList* list, std::uint32_t first, std::uint32_t rows) {
  list->dwSelection = first;
  list->rowsDrawn = rows;
  list->backwardFill = 0;
}

char* CandidateRecordAt(const CandidateList* list, std::uint32_t index) {
  char* record = nullptr;
  std::memcpy(&record, reinterpret_cast<const char*>(list) + list->dwOffset[index], sizeof record);
  return record;
}
