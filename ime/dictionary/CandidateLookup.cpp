#include "ime/dictionary/CandidateLookup.h"

#include <algorithm>
#include <cstring>
#include <functional>
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

static_assert(kMaxCandidates == kCandidateCount);
static_assert(kCandidateRecordSize == kCandidateBufferSize);

CandidateStore StoreFor(CandidateList* list) {
  return {list, globals.candidatePool, engine.associationPrefix, globals.gb2312Only == 1,
          engine.simplifiedOutput ? nullptr : ToTraditional};
}

using DictionaryOpener = std::function<std::unique_ptr<TSQLiteDatabase>()>;

// The rows of sql in the dictionary file open gives, or no rows when the file cannot be
// read (missing, damaged, without the table): one file's fault never takes the rows of the
// other with it. readable, when given, tells which.
std::unique_ptr<TSQLiteTable> RowsOrNone(const DictionaryOpener& open, const std::string& sql,
                                         bool* readable = nullptr) {
  try {
    const std::unique_ptr<TSQLiteDatabase> db = open();
    std::unique_ptr<TSQLiteTable> rows = db->Query(sql);
    if (readable) *readable = true;
    return rows;
  } catch (const ESQLiteException&) {
    if (readable) *readable = false;
    return std::make_unique<TSQLiteTable>();
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
  const std::unique_ptr<TSQLiteTable> systemRows =
      RowsOrNone([&] { return OpenSystemDictionary(code.substr(0, 1)); }, sql);
  const std::unique_ptr<TSQLiteTable> userRows =
      RowsOrNone(OpenUserDictionary, sql, &userReadable);
  MergeCandidateRows(*systemRows, *userRows, StoreFor(list), code.size());

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
  const std::unique_ptr<TSQLiteTable> userRows = RowsOrNone(OpenUserDictionary, sql);
  const std::unique_ptr<TSQLiteTable> systemRows =
      RowsOrNone([&] { return OpenSystemDictionary(firstChar); }, sql);
  MergeCandidateRows(*systemRows, *userRows, StoreFor(list), 0);
  return list->dwCount;
}
