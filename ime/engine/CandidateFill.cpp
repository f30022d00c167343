#include "ime/engine/CandidateFill.h"

#include <algorithm>
#include <cstring>

#include "ime/dictionary/CandidateLookup.h"
#include "ime/dictionary/CandidateText.h"
#include "ime/dictionary/TraditionalConversion.h"
#include "ime/engine/EngineState.h"
#include "ime/engine/ImeConstants.h"
#include "ime/settings/Globals.h"

namespace {

static_assert(kMaxCandidates == kMaxCandidateRecords);
static_assert(kCandidateRecordSize == kCandidateBufferSize);

CandidateFilter Filter() {
  return {globals.gb2312Only == 1, engine.simplifiedOutput ? nullptr : ToTraditional};
}

// The records go into the candidate buffers, one each, and the list points at them.
void FillList(CandidateList* list, const std::vector<std::string>& records) {
  list->dwCount = 0;
  for (const std::string& record : records) {
    char* buffer = globals.candidatePool[list->dwCount];
    std::memset(buffer, 0, kCandidateRecordSize);
    std::memcpy(buffer, record.data(), std::min(record.size(), kCandidateRecordSize - 1));
    AppendCandidateEntry(list, buffer);
  }
}

// The typed code: the composition string up to its zero byte (within the block), at most
// dwCursorPos bytes.
std::string TypedCode(LPCOMPOSITIONSTRING composition) {
  if (composition->dwCompStrOffset >= composition->dwSize) return {};
  const char* text = reinterpret_cast<const char*>(composition) + composition->dwCompStrOffset;
  const size_t length = strnlen(text, composition->dwSize - composition->dwCompStrOffset);
  return std::string(text, std::min<size_t>(length, composition->dwCursorPos));
}

void SetSearchTextFrom(const std::string& record) {
  std::memset(engine.searchText, 0, sizeof engine.searchText);
  const std::string_view text = std::string_view(record).substr(1);  // after the marker
  const std::string_view display = text.substr(0, text.find('\r'));
  std::memcpy(engine.searchText, display.data(),
              CharacterPrefixLength(display, sizeof engine.searchText - 1));
}

}  // namespace

bool ListCandidates(LPCOMPOSITIONSTRING composition, CandidateList* list) {
  const std::string code = TypedCode(composition);
  if (code.empty()) return true;
  engine.associationPrefix.clear();
  const CandidateRecords found = LookupCandidates(code, ActiveDictionaries(), Filter());
  FillList(list, found.records);

  list->dwSelection = 0;
  engine.searchTextFollowsList = 1;
  if (list->dwCount == 1) {
    SetSearchTextFrom(found.records[0]);
    engine.searchTextFollowsList = 0;
  }
  engine.foundCount = list->dwCount;
  const auto length = static_cast<std::uint16_t>(code.size());
  if (list->dwCount == 0) {
    engine.codeLengthLimit = length;
    MessageBeep(kBeep);
  } else {
    engine.codeLengthLimit = engine.maxCodeLength;
  }
  // The code is complete and still ambiguous.
  if (length == engine.maxCodeLength && list->dwCount > 1) MessageBeep(kBeep);
  return found.userReadable;
}

DWORD ListAssociations(const std::string& firstChar, const std::string& text, CandidateList* list) {
  FillList(list, LookupAssociations(firstChar, text, ActiveDictionaries(), Filter()).records);
  return list->dwCount;
}
