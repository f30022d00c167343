#include "ime/dictionary/CandidateLookup.h"

#include <algorithm>
#include <cstring>

#include "ime/dictionary/CandidateMerge.h"
#include "ime/dictionary/CandidateText.h"
#include "ime/dictionary/DictionaryFiles.h"
#include "ime/dictionary/DictionaryRows.h"
#include "ime/dictionary/LookupStatements.h"
#include "ime/dictionary/TraditionalConversion.h"
#include "ime/engine/EngineState.h"
#include "ime/settings/Globals.h"

namespace {

static_assert(kMaxCandidates == kCandidateCount);
static_assert(kCandidateRecordSize == kCandidateBufferSize);

CandidateStore StoreFor(CandidateList* list) {
  return {list, globals.candidatePool, engine.associationPrefix, globals.gb2312Only == 1,
          engine.simplifiedOutput ? nullptr : ToTraditional};
}

// The typed code: the composition string up to its zero byte (within the block), at most
// dwCursorPos bytes.
std::string TypedCode(LPCOMPOSITIONSTRING composition) {
  if (composition->dwCompStrOffset >= composition->dwSize) return {};
  const char* text = reinterpret_cast<const char*>(composition) + composition->dwCompStrOffset;
  const size_t length = strnlen(text, composition->dwSize - composition->dwCompStrOffset);
  return std::string(text, std::min<size_t>(length, composition->dwCursorPos));
}

void SetSearchTextFrom(const char* record) {
  std::memset(engine.searchText, 0, sizeof engine.searchText);
  const char* text = record + 1;  // after the marker
  const std::string_view display(text, std::strcspn(text, "\r"));
  std::memcpy(engine.searchText, display.data(),
              CharacterPrefixLength(display, sizeof engine.searchText - 1));
}

}  // namespace

bool LookupCandidates(LPCOMPOSITIONSTRING composition, CandidateList* list) {
  const std::string code = TypedCode(composition);
  if (code.empty()) return true;
  engine.associationPrefix.clear();
  list->dwCount = 0;
  const std::string sql = CodeLookupStatement(ActiveWordTable(), code);
  bool userReadable = true;
  {
    DictionaryRows systemRows([&] { return OpenSystemDictionary(code.substr(0, 1)); }, sql);
    DictionaryRows userRows(OpenUserDictionary, sql);
    MergeCandidateRows(systemRows, userRows, StoreFor(list), code.size());
    userReadable = userRows.Readable();
  }  // the user file is closed first, then the system file

  list->dwSelection = 0;
  engine.searchTextFollowsList = 1;
  if (list->dwCount == 1) {
    SetSearchTextFrom(CandidateRecordAt(list, 0));
    engine.searchTextFollowsList = 0;
  }
  engine.foundCount = list->dwCount;
  const auto length = static_cast<std::uint16_t>(code.size());
  if (list->dwCount == 0) {
    engine.codeLengthLimit = length;
    MessageBeep(0xFFFFFFFF);
  } else {
    engine.codeLengthLimit = engine.maxCodeLength;
  }
  if (length == engine.maxCodeLength && list->dwCount > 1) MessageBeep(0xFFFFFFFF);
  return userReadable;
}

DWORD LookupAssociations(const std::string& firstChar, const std::string& committed,
                         CandidateList* list) {
  list->dwCount = 0;
  const std::string sql = AssociationStatement(ActiveWordTable(), committed);
  // The user dictionary is queried first.
  DictionaryRows userRows(OpenUserDictionary, sql);
  DictionaryRows systemRows([&] { return OpenSystemDictionary(firstChar); }, sql);
  MergeCandidateRows(systemRows, userRows, StoreFor(list), 0);
  return list->dwCount;
}
