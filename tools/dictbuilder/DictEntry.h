// What the builder writes: entries of the candidate tables and rows of the reverse tables.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace dictbuilder {

struct DictEntry {
  std::string code;  // letters of the scheme
  std::string text;  // GBK
  double weight = 0;  // larger is more frequent
};

// One scheme's tables, ready to write.
struct SchemeTables {
  std::vector<DictEntry> entries;  // the candidate table, every code
  // Reverse table: each single character (GBK) with its codes, the full code first.
  std::map<std::string, std::vector<std::string>> characterCodes;
};

// Counts for the report of one input table.
struct BuildStats {
  size_t read = 0;         // data rows of the input file
  size_t converted = 0;    // entries in the candidate table
  size_t notGbk = 0;       // dropped: text with a character outside GBK
  size_t badCode = 0;      // dropped: code outside the scheme's letters or lengths
  size_t badReading = 0;   // dropped: unknown pinyin syllable, or syllables not matching
                           // the characters one to one
  size_t duplicates = 0;   // the same code and text again; the larger weight kept
  size_t shortCodes = 0;   // entries added under a character's syllable (sx), beside the above
};

}  // namespace dictbuilder
