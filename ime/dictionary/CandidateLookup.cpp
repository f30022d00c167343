#include "ime/dictionary/CandidateLookup.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "ime/dictionary/CandidateMerge.h"
#include "ime/dictionary/CandidateText.h"
#include "ime/dictionary/DictionaryFiles.h"
#include "ime/dictionary/LookupStatements.h"
#include "ime/dictionary/SQLiteTable3.h"
#include "ime/dictionary/TraditionalConversion.h"
#include "ime/engine/EngineState.h"
#include "ime/settings/Globals.h"

namespace {

constexpr char kUserDictionary[] = "lmtsys_User.db";

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

void LookupCandidates(LPCOMPOSITIONSTRING composition, CandidateList* list) {
  const std::string code = TypedCode(composition);
  if (code.empty()) return;
  engine.associationPrefix.clear();
  list->dwCount = 0;
  const std::string sql = CodeLookupStatement(ActiveWordTable(), code);
  try {
    // Released in the order user table, user connection, system table, system connection.
    TSQLiteDatabase systemDb(DictionaryFile("lmtsys_" + code.substr(0, 1) + ".db"),
                             kDictionaryPassword);
    std::unique_ptr<TSQLiteTable> systemRows = systemDb.Query(sql);
    TSQLiteDatabase userDb(DictionaryFile(kUserDictionary), kDictionaryPassword);
    std::unique_ptr<TSQLiteTable> userRows = userDb.Query(sql);
    MergeCandidateRows(*systemRows, *userRows, StoreFor(list), code.size());
  } catch (const ESQLiteException&) {
    return;
  }
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
}

void LookupAssociations(const std::string& firstChar, const std::string& committed,
                        CandidateList* list) {
  list->dwCount = 0;
  const std::string sql = AssociationStatement(ActiveWordTable(), committed);
  // Queried user first; released in the order user table, user connection, system table,
  // system connection.
  TSQLiteDatabase systemDb(DictionaryFile("lmtsys_" + firstChar + ".db"), kDictionaryPassword);
  std::unique_ptr<TSQLiteTable> systemRows;
  TSQLiteDatabase userDb(DictionaryFile("lmtsys_user.db"), kDictionaryPassword);
  std::unique_ptr<TSQLiteTable> userRows = userDb.Query(sql);
  systemRows = systemDb.Query(sql);
  MergeCandidateRows(*systemRows, *userRows, StoreFor(list), 0);
}

DWORD LookupAssociationsOrNothing(const std::string& firstChar, const std::string& committed,
                                  CandidateList* list) {
  try {
    LookupAssociations(firstChar, committed, list);
  } catch (const ESQLiteException&) {
    list->dwCount = 0;
  }
  return list->dwCount;
}
