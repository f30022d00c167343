// Values placed into SQL text or bound to its parameters: whatever bytes a code or a phrase
// holds (quotes, backslashes, "%" and "_", GBK characters with such trail bytes, zero
// bytes), the statement keeps its meaning. Checked by running it: an equality must select
// exactly the rows equal to the value, a prefix condition exactly the rows that start with
// it. A value ends at its first zero byte, as text does everywhere in the module.
#include <string>
#include <vector>

#include "ime/dictionary/SQLiteTable3.h"
#include "ime/dictionary/SqlText.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/hostile/HostileRows.h"

namespace {

std::vector<std::string> StoredValues(const std::string& value) {
  std::vector<std::string> rows = {value, value + "a", value + "'", "x" + value, "", "%",
                                   "_",   "'",         "\\",        "%%",        "a"};
  if (!value.empty()) {
    rows.push_back(value.substr(0, value.size() - 1));
    std::string above = value, below = value;
    above.back() = static_cast<char>(above.back() + 1);
    below.back() = static_cast<char>(below.back() - 1);
    rows.push_back(above);
    rows.push_back(below);
  }
  return rows;
}

// The rows the condition selects, by their index in rows.
std::vector<std::string> Selected(TSQLiteDatabase& db, const BoundSql& condition) {
  std::vector<std::string> found;
  const auto table =
      db.Query("select mbcode from t where " + condition.sql + " order by rowid", condition.values);
  for (; !table->AtEnd(); table->MoveNext()) found.push_back(table->FieldTextOrEmpty(0));
  return found;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(InputText(data, size));
  const std::string value = input.substr(0, input.find('\0'));
  const std::vector<std::string> rows = StoredValues(value);

  TSQLiteDatabase db(":memory:", kDictionaryPassword);
  db.Execute(CreateTableStatement("t", "TEXT", "TEXT"));
  for (const std::string& row : rows) {
    if (row.find('\0') == std::string::npos) db.Execute("insert into t values(" + TextLiteral(row) + ",'')");
  }
  std::vector<std::string> equal, starting;
  for (const std::string& row : rows) {
    if (row.find('\0') != std::string::npos) continue;
    if (row == value) equal.push_back(row);
    if (row.compare(0, value.size(), value) == 0) starting.push_back(row);
  }
  try {
    FUZZ_CHECK(Selected(db, {"mbcode=" + SqlQuote(input), {}}) == equal);
    FUZZ_CHECK(Selected(db, SqlPrefixRange("mbcode", input)) == starting);
  } catch (const ESQLiteException& error) {
    std::fprintf(stderr, "%s\n", error.what());
    FUZZ_CHECK(!"a value changed the statement");
  }
  return 0;
}
