// Reader for Rime dictionary files (*.dict.yaml): a YAML header that ends with a line
// "...", then one entry a line, tab-separated in the order of the header's "columns"
// (text, code, weight by default; "stem" is read and ignored). Lines starting with "#"
// are comments.
#pragma once

#include <istream>
#include <string>
#include <vector>

namespace dictbuilder {

struct RimeRow {
  std::string text;  // UTF-8
  std::string code;  // as written: letters, or pinyin syllables separated by spaces
  double weight = 0;  // 0 when the row gives none
  int line = 0;
};

struct RimeDict {
  std::vector<RimeRow> rows;
};

// Throws InputError ("name:line: reason") for a malformed file.
RimeDict ParseRimeDict(std::istream& in, const std::string& name);
RimeDict ReadRimeDict(const std::string& path);

}  // namespace dictbuilder
