// Gathers candidate entries, keeping one entry per code and text (the larger weight).
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tools/dictbuilder/DictEntry.h"

namespace dictbuilder {

struct EntryCollector {
  std::vector<DictEntry> entries;
  std::map<std::pair<std::string, std::string>, size_t> byCodeAndText;
};

void CollectEntry(EntryCollector& collector, DictEntry entry, BuildStats& stats);

}  // namespace dictbuilder
