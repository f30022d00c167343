#include "ime/engine/CandidateFill.h"

#include <algorithm>
#include <cstring>

#include "ime/dictionary/CandidateLookup.h"
#include "ime/dictionary/CandidateText.h"

namespace {

static_assert(kMaxCandidates == kMaxCandidateRecords);

CandidateFilter Filter(const EngineCall& call) {
  return {call.settings.gb2312Only,
          call.engine.simplifiedOutput ? nullptr : call.host.toTraditional};
}

// The typed code: the composition string up to its zero byte (within the block), at most
// dwCursorPos bytes.
std::string TypedCode(const COMPOSITIONSTRING* composition) {
  if (composition->dwCompStrOffset >= composition->dwSize) return {};
  const char* text = reinterpret_cast<const char*>(composition) + composition->dwCompStrOffset;
  const std::size_t length = strnlen(text, composition->dwSize - composition->dwCompStrOffset);
  return std::string(text, std::min<std::size_t>(length, composition->dwCursorPos));
}

void SetSearchTextFrom(InputFacts& facts, const std::string& record) {
  std::memset(facts.searchText, 0, sizeof facts.searchText);
  const std::string_view text = std::string_view(record).substr(1);  // after the marker
  const std::string_view display = text.substr(0, text.find('\r'));
  std::memcpy(facts.searchText, display.data(),
              CharacterPrefixLength(display, sizeof facts.searchText - 1));
}

}  // namespace

void FillCandidateList(CandidateList* list, char* const* pool,
                       const std::vector<std::string>& records) {
  EmptyCandidateList(list);
  for (const std::string& record : records) {
    if (list->dwCount >= kMaxCandidates) break;
    char* buffer = pool[list->dwCount];
    std::memset(buffer, 0, kCandidateRecordSize);
    std::memcpy(buffer, record.data(), std::min(record.size(), kCandidateRecordSize - 1));
    const std::string_view text(buffer + 1, strnlen(buffer + 1, kCandidateRecordSize - 1));
    if (!AppendCandidateEntry(list, text.substr(0, RecordDisplayLength(text)))) break;
  }
}

bool ListCandidates(EngineCall& call, CandidateList* list) {
  const std::string code = TypedCode(call.composition);
  if (code.empty()) return true;
  InputFacts& facts = call.facts();
  facts.associationPrefix[0] = '\0';
  const CandidateRecords found =
      LookupCandidates(code, call.settings.dictionaries, Filter(call));
  FillCandidateList(list, call.pool, found.records);

  list->dwSelection = 0;
  facts.searchTextFollowsList = 1;
  if (list->dwCount == 1) {
    SetSearchTextFrom(facts, found.records[0]);
    facts.searchTextFollowsList = 0;
  }
  facts.foundCount = list->dwCount;
  const auto length = static_cast<std::uint16_t>(code.size());
  if (list->dwCount == 0) {
    facts.codeLengthLimit = length;
    call.Beep();
  } else {
    facts.codeLengthLimit = call.engine.maxCodeLength;
  }
  // The code is complete and still ambiguous.
  if (length == call.engine.maxCodeLength && list->dwCount > 1) call.Beep();
  return found.userReadable;
}

std::uint32_t ListAssociations(EngineCall& call, const std::string& firstChar,
                               const std::string& text, CandidateList* list) {
  FillCandidateList(
      list, call.pool,
      LookupAssociations(firstChar, text, call.settings.dictionaries, Filter(call)).records);
  return list->dwCount;
}
