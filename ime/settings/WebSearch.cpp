#include "ime/settings/WebSearch.h"

#include <windows.h>

#include <shellapi.h>

#include "ime/settings/WebSearchAddress.h"

namespace {

void OpenSearch(const std::string& query) {
  ShellExecuteA(nullptr, "Open", WebSearchAddress(query).c_str(), nullptr, nullptr, SW_SHOW);
}

}  // namespace

void SearchWeb(const std::string& prefix, const std::string& text) {
  OpenSearch(SearchQuery(prefix, text));
}

void OpenListEntry(const char* text, const char* link, std::size_t linkLength) {
  const std::string query = SearchQuery(std::string(), text ? text : "");
  if (!link || linkLength == 0) return OpenSearch(query);
  ShellExecuteA(nullptr, "open", LinkAddress(std::string(link, linkLength), query).c_str(),
                nullptr, nullptr, SW_SHOW);
}
