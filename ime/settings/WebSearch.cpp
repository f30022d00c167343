#include "ime/settings/WebSearch.h"

#include <shellapi.h>

#include <string>

#include "ime/engine/CandidateList.h"
#include "ime/engine/EngineState.h"
#include "ime/settings/WebSearchAddress.h"

void WebSearch(const char* text, bool isEntry, const char* link, std::size_t linkLength) {
  const bool custom = engine.searchMode != 0 && !isEntry;
  const std::string query = SearchQuery(custom ? engine.customSearch : std::string(),
                                        text ? text : "");
  std::string address;
  const char* verb = "open";
  if (isEntry && link && linkLength > 0) {
    address = LinkAddress(std::string(link, linkLength), query);
  } else {
    address = WebSearchAddress(query);
    verb = "Open";
  }
  ShellExecuteA(nullptr, verb, address.c_str(), nullptr, nullptr, SW_SHOW);
}

void SearchCandidate(const CandidateList* list, unsigned index) {
  if (!list || index >= list->dwCount) return;
  const char* record = CandidateRecordAt(list, index);
  if (!record || !record[0]) return;
  WebSearch(record + 1, false, nullptr, 0);
}
