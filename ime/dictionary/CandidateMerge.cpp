#include "ime/dictionary/CandidateMerge.h"

#include <string>

#include "ime/dictionary/CandidateText.h"
#include "ime/dictionary/DictionaryRows.h"

namespace {

bool PassesFilter(const CandidateStore& store, const std::string& text) {
  return !store.filter.gb2312Only || IsGB2312Hanzi(text);
}

std::string DisplayCode(const CandidateStore& store, const std::string& code,
                        std::size_t typedLength) {
  if (!store.associationPrefix.empty() || code.size() <= typedLength) return {};
  return code.substr(typedLength);
}

}  // namespace

void StoreCandidate(const CandidateStore& store, std::string_view text,
                    std::string_view displayCode, bool user) {
  if (text == store.associationPrefix || store.records.size() >= kMaxCandidateRecords) return;
  store.records.push_back(
      BuildCandidateRecord(text, displayCode, user, store.filter.toTraditional));
}

template <typename Rows>
void MergeCandidateRows(Rows& system, Rows& user, const CandidateStore& store,
                        std::size_t typedLength) {
  std::string held;  // the code of the last user row read, or its display code once stored
  while (!system.AtEnd() && store.records.size() < kMaxCandidateRecords) {
    const std::string systemText = system.FieldTextOrEmpty(0);
    const std::string systemCode = system.FieldTextOrEmpty(1);
    while (!user.AtEnd() && store.records.size() < kMaxCandidateRecords &&
           ((systemCode >= held && systemCode.size() == held.size()) || held.empty())) {
      const std::string userText = user.FieldTextOrEmpty(0);
      held = user.FieldTextOrEmpty(1);
      if (!PassesFilter(store, userText)) {
        user.MoveNext();
        continue;
      }
      if (held > systemCode) break;
      held = DisplayCode(store, held, typedLength);
      StoreCandidate(store, userText, held, true);
      user.MoveNext();
    }
    if (PassesFilter(store, systemText))
      StoreCandidate(store, systemText, DisplayCode(store, systemCode, typedLength), false);
    system.MoveNext();
  }
  while (!user.AtEnd() && store.records.size() < kMaxCandidateRecords) {
    const std::string userText = user.FieldTextOrEmpty(0);
    if (PassesFilter(store, userText))
      StoreCandidate(store, userText, DisplayCode(store, user.FieldTextOrEmpty(1), typedLength),
                     true);
    user.MoveNext();
  }
}

template void MergeCandidateRows(TSQLiteTable&, TSQLiteTable&, const CandidateStore&, std::size_t);
template void MergeCandidateRows(DictionaryRows&, DictionaryRows&, const CandidateStore&,
                                 std::size_t);
