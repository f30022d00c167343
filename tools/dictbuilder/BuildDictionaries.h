// A whole build: read both input tables, make the tables of both schemes, write the
// dictionary directory, the code-lookup documents and the default list files.
#pragma once

#include <string>
#include <vector>

#include "tools/dictbuilder/DictEntry.h"

namespace dictbuilder {

struct BuildInputs {
  std::string wubiPath;    // Wubi 86 table (Rime format)
  std::string pinyinPath;  // pinyin table with weights (Rime format)
  std::string dictionaryDir;  // receives the .db files and sxzd.txt, zxzd.txt
  std::string listDir;        // receives adlist.ini and intlist.ini
};

struct BuildReport {
  BuildStats zx;
  BuildStats sx;
  std::vector<std::string> files;
};

// Throws InputError for a malformed input file, std::runtime_error when writing fails.
BuildReport BuildDictionaries(const BuildInputs& inputs);
std::string FormatStats(const std::string& scheme, const std::string& source,
                        const BuildStats& stats);

}  // namespace dictbuilder
