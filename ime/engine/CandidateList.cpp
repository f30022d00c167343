#include "ime/engine/CandidateList.h"

#include <cstring>

#include "ime/dictionary/CandidateRecord.h"

void InitCandidateInfo(void* block) {
  std::memset(block, 0, kCandidateInfoSize);
  auto* head = static_cast<CandidateInfoHead*>(block);
  head->dwSize = kCandidateInfoSize;
  head->dwCount = 0;
  head->dwOffset0 = kCandidateListOffset;
  CandidateList* list = CandidateListOf(block);
  list->dwStyle = kCandidateStyleRead;
  list->dwPageSize = kCandidatePageSize;
  EmptyCandidateList(list);
}

CandidateList* CandidateListOf(void* block) {
  return reinterpret_cast<CandidateList*>(static_cast<char*>(block) + kCandidateListOffset);
}

void EmptyCandidateList(CandidateList* list) {
  list->dwSize = kFirstEntryOffset;
  list->dwCount = 0;
  list->dwSelection = 0;
  list->dwPageStart = 0;
  list->rowsDrawn = 0;
  list->backwardFill = 0;
}

bool AppendCandidateEntry(CandidateList* list, std::string_view text) {
  const std::uint32_t k = list->dwCount;
  if (k >= kMaxCandidates || text.size() > kDisplayTextMax) return false;
  if (list->dwSize < kFirstEntryOffset || list->dwSize > kCandidateListSize - kCandidateEntryMax)
    return false;
  char* entry = reinterpret_cast<char*>(list) + list->dwSize;
  std::memcpy(entry, text.data(), text.size());
  entry[text.size()] = 0;
  list->dwOffset[k] = list->dwSize;
  list->dwSize += static_cast<std::uint32_t>(text.size() + 1);
  list->dwCount = k + 1;
  return true;
}

std::string_view CandidateEntryText(const CandidateList* list, std::uint32_t index) {
  if (index >= list->dwCount || index >= kMaxCandidates) return {};
  const std::uint32_t offset = list->dwOffset[index];
  if (offset < kFirstEntryOffset || offset >= kCandidateListSize) return {};
  const char* text = reinterpret_cast<const char*>(list) + offset;
  return {text, strnlen(text, kCandidateListSize - offset)};
}

const char* CandidateRecordAt(char* const* pool, const CandidateList* list, std::uint32_t index) {
  if (index >= list->dwCount || index >= kMaxCandidates || !pool[index]) return nullptr;
  const char* record = pool[index];
  if (record[0] == 0) return nullptr;
  const std::string_view text(record + 1, strnlen(record + 1, kCandidateRecordSize - 1));
  return text.substr(0, RecordDisplayLength(text)) == CandidateEntryText(list, index) ? record
                                                                                       : nullptr;
}

std::string_view CandidateRecordText(char* const* pool, const CandidateList* list,
                                     std::uint32_t index) {
  const char* record = CandidateRecordAt(pool, list, index);
  if (!record) return CandidateEntryText(list, index);
  return {record + 1, strnlen(record + 1, kCandidateRecordSize - 1)};
}

std::uint32_t RowsOnPage(const CandidateList* list) {
  if (list->rowsDrawn != 0 || list->dwSelection >= list->dwCount) return list->rowsDrawn;
  const std::uint32_t left = list->dwCount - list->dwSelection;
  return left < list->dwPageSize ? left : list->dwPageSize;
}

void PageDrawn(CandidateList* list, std::uint32_t first, std::uint32_t rows) {
  list->dwSelection = list->dwPageStart = first;
  list->rowsDrawn = rows;
  list->backwardFill = 0;
}
