#include "tools/dictbuilder/EntryCollector.h"

namespace dictbuilder {

void CollectEntry(EntryCollector& collector, DictEntry entry, BuildStats& stats) {
  const auto key = std::make_pair(entry.code, entry.text);
  const auto found = collector.byCodeAndText.find(key);
  if (found != collector.byCodeAndText.end()) {
    ++stats.duplicates;
    DictEntry& kept = collector.entries[found->second];
    if (entry.weight > kept.weight) kept.weight = entry.weight;
    return;
  }
  collector.byCodeAndText.emplace(key, collector.entries.size());
  collector.entries.push_back(std::move(entry));
  ++stats.converted;
}

}  // namespace dictbuilder
