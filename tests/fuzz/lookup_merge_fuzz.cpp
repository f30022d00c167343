// The candidate merge over the module's own lookup and association statements, run on a
// system and a user table of any rows: texts and codes of any bytes, NULLs, blobs and
// numbers, under any declared column type.
//
// Input: a first line "TYPES<TAB>FLAGS<TAB>CODE" (TYPES: two digits choosing the declared
// types of mbcode and hzcode; FLAGS: "a" association with CODE as the committed text,
// "g" the GB2312 filter, "t" traditional output), then system rows "code<TAB>text", a
// line "--", and user rows.
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "ime/dictionary/CandidateMerge.h"
#include "ime/dictionary/LookupStatements.h"
#include "ime/dictionary/SQLiteTable3.h"
#include "ime/dictionary/VariantTable.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/hostile/HostileRows.h"

namespace {

std::string Traditional(const std::string& text) { return TableToTraditional(text); }

void AddTable(TSQLiteDatabase& db, const std::string& name, const std::string& types,
              const std::vector<std::string_view>& lines) {
  db.Execute(CreateTableStatement(name, DeclaredType(types.size() > 0 ? types[0] : 0),
                                  DeclaredType(types.size() > 1 ? types[1] : 0)));
  for (const std::string_view line : lines) {
    const std::vector<std::string_view> cells = Split(line, '\t');
    db.Execute(InsertRowStatement(name, cells[0], cells.size() > 1 ? cells[1] : ""));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string_view> lines = Split(InputText(data, size), '\n');
  const std::vector<std::string_view> head = Split(lines[0], '\t');
  const std::string types(head[0]);
  const std::string flags(head.size() > 1 ? head[1] : "");
  const std::string code(head.size() > 2 ? head[2] : "");
  const bool association = flags.find('a') != std::string::npos;
  std::vector<std::string_view> systemLines, userLines;
  bool inUser = false;
  for (std::size_t i = 1; i < lines.size() && i < 2000; ++i) {
    if (lines[i] == "--") inUser = true;
    else (inUser ? userLines : systemLines).push_back(lines[i]);
  }

  std::unique_ptr<TSQLiteTable> systemRows, userRows;
  try {
    TSQLiteDatabase db(":memory:", kDictionaryPassword);
    AddTable(db, "lmt_zx", types, systemLines);
    AddTable(db, "user_zx", types, userLines);
    const auto statement = [&](const std::string& table) {
      return association ? AssociationStatement(table, code) : CodeLookupStatement(table, code);
    };
    const BoundSql system = statement("lmt_zx"), user = statement("user_zx");
    systemRows = db.Query(system.sql, system.values);
    userRows = db.Query(user.sql, user.values);
  } catch (const ESQLiteException&) {
    return 0;  // a value SQLite refuses (too big, say) is no input for the merge
  }

  std::vector<std::string> records;
  const CandidateStore store{records, association ? std::string_view(code) : std::string_view(),
                             {flags.find('g') != std::string::npos,
                              flags.find('t') != std::string::npos ? Traditional : nullptr}};
  MergeCandidateRows(*systemRows, *userRows, store, association ? 0 : code.size());
  static FencedCandidates candidates;
  CandidateList* list = candidates.List();
  FillCandidateList(list, candidates.pool.data(), records);

  FUZZ_CHECK(list->dwCount <= kMaxCandidates);
  FUZZ_CHECK(list->dwCount <= systemRows->RowCount() + userRows->RowCount());
  for (std::uint32_t k = 0; k < list->dwCount; ++k) {
    // Each entry shows its record's display text, inside the list.
    const char* record = CandidateRecordAt(candidates.pool.data(), list, k);
    FUZZ_CHECK(record == candidates.pool[k]);
    FUZZ_CHECK(list->dwOffset[k] + CandidateEntryText(list, k).size() < list->dwSize);
    FUZZ_CHECK(record[0] == '0' || record[0] == '1');
    FUZZ_CHECK(std::memchr(record, '\0', kCandidateRecordSize) != nullptr);
  }
  return 0;
}
