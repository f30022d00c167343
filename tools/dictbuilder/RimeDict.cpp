#include "tools/dictbuilder/RimeDict.h"

#include <cstdlib>
#include <fstream>

#include "tools/dictbuilder/InputError.h"
#include "tools/dictbuilder/Utf8.h"

namespace dictbuilder {

namespace {

enum class Column { text, code, weight, stem };

struct Reader {
  std::istream& in;
  const std::string& name;
  int line = 0;
  std::string current;

  bool Next() {
    if (!std::getline(in, current)) return false;
    ++line;
    if (!current.empty() && current.back() == '\r') current.pop_back();
    return true;
  }
  [[noreturn]] void Fail(const std::string& reason) const {
    throw InputError(name + ":" + std::to_string(line) + ": " + reason);
  }
};

std::string Trim(const std::string& s) {
  const size_t first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return std::string();
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

Column ColumnByName(Reader& reader, const std::string& name) {
  if (name == "text") return Column::text;
  if (name == "code") return Column::code;
  if (name == "weight") return Column::weight;
  if (name == "stem") return Column::stem;
  reader.Fail("unknown column \"" + name + "\" in the header");
}

// Reads the header (if the file has one) up to its closing "..." and returns the columns.
std::vector<Column> ReadHeader(Reader& reader) {
  std::vector<Column> columns{Column::text, Column::code, Column::weight};
  std::streampos dataStart = reader.in.tellg();
  bool inHeader = false;
  bool inColumns = false;
  std::vector<Column> declared;
  while (reader.Next()) {
    const std::string& s = reader.current;
    if (!inHeader) {
      if (s == "---") {
        inHeader = true;
        continue;
      }
      if (s.empty() || s[0] == '#') continue;
      // No header: the data starts at this line.
      reader.in.clear();
      reader.in.seekg(dataStart);
      reader.line = 0;
      return columns;
    }
    if (s == "...") {
      if (!declared.empty()) columns = declared;
      return columns;
    }
    const std::string t = Trim(s);
    if (inColumns && t.size() > 1 && t[0] == '-') {
      declared.push_back(ColumnByName(reader, Trim(t.substr(1))));
      continue;
    }
    inColumns = t == "columns:";
  }
  if (inHeader) reader.Fail("the header has no closing \"...\" line");
  return columns;  // empty file, or comments only
}

bool ParseWeight(const std::string& field, double& weight) {
  if (field.empty()) {
    weight = 0;
    return true;
  }
  std::string number = field;
  const bool percent = number.back() == '%';
  if (percent) number.pop_back();
  if (number.empty() || number.find_first_not_of("0123456789.") != std::string::npos)
    return false;
  char* end = nullptr;
  weight = std::strtod(number.c_str(), &end);
  return end == number.c_str() + number.size();
}

std::vector<std::string> SplitTabs(const std::string& s) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (;;) {
    const size_t tab = s.find('\t', start);
    fields.push_back(s.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

}  // namespace

RimeDict ParseRimeDict(std::istream& in, const std::string& name) {
  Reader reader{in, name};
  const std::vector<Column> columns = ReadHeader(reader);
  RimeDict dict;
  while (reader.Next()) {
    const std::string& s = reader.current;
    if (s.empty() || s[0] == '#') continue;
    const std::vector<std::string> fields = SplitTabs(s);
    if (fields.size() > columns.size())
      reader.Fail("more fields than the " + std::to_string(columns.size()) + " columns");
    RimeRow row;
    row.line = reader.line;
    bool hasCode = false;
    for (size_t i = 0; i < fields.size(); ++i) {
      switch (columns[i]) {
        case Column::text: row.text = fields[i]; break;
        case Column::code: row.code = fields[i]; hasCode = true; break;
        case Column::weight:
          if (!ParseWeight(fields[i], row.weight))
            reader.Fail("weight \"" + fields[i] + "\" is not a number or percentage");
          break;
        case Column::stem: break;
      }
    }
    if (row.text.empty()) reader.Fail("entry without text");
    if (!hasCode || row.code.empty()) reader.Fail("entry without code");
    if (!IsValidUtf8(row.text)) reader.Fail("text is not valid UTF-8");
    dict.rows.push_back(std::move(row));
  }
  if (in.bad()) reader.Fail("read error");
  return dict;
}

RimeDict ReadRimeDict(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw InputError(path + ": cannot open the file");
  return ParseRimeDict(in, path);
}

}  // namespace dictbuilder
