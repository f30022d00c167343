// Prints the median and 95th-percentile time of LookupCandidates for codes of 1 to 4
// letters (prefixes of stored codes) against a generated dictionary of 156,000 rows, beside the bare floor of the
// same work done with raw SQLite calls (the same two files opened, keyed, queried with
// the same statement, every row read, closed).
#include <windows.h>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "ime/dictionary/CandidateLookup.h"
#include "ime/dictionary/SQLiteTable3.h"
#include "ime/dictionary/SqlText.h"
#include "tools/bench/BenchSupport.h"

namespace {

constexpr int kRowsPerFile = 6000;
constexpr int kSamplesPerLength = 200;

std::mt19937 generator(20261207);

int Pick(int from, int to) { return std::uniform_int_distribution<int>(from, to)(generator); }

std::string RandomCode(char first, int length) {
  std::string code(1, first);
  while (static_cast<int>(code.size()) < length) code += static_cast<char>('a' + Pick(0, 25));
  return code;
}

// One to four GB2312 level-1 characters.
std::string RandomText() {
  std::string text;
  for (int n = Pick(1, 4); n > 0; --n) {
    text += static_cast<char>(Pick(0xB0, 0xD7));
    text += static_cast<char>(Pick(0xA1, 0xFE));
  }
  return text;
}

void Exec(sqlite3* db, const std::string& sql) {
  char* error = nullptr;
  if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    std::fprintf(stderr, "%s: %s\n", sql.c_str(), error ? error : "");
    std::exit(1);
  }
}

// A system file laid out like the dictionary package's: rows in lookup order, indexed for it.
void WriteDictionary(const std::string& path, const std::vector<std::pair<std::string, std::string>>& rows) {
  sqlite3* db = OpenKeyed(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
  Exec(db, "create table lmt_sx(seq INTEGER PRIMARY KEY, mbcode TEXT NOT NULL, hzcode TEXT NOT NULL)");
  Exec(db, "begin");
  sqlite3_stmt* insert = nullptr;
  sqlite3_prepare_v2(db, "insert into lmt_sx(mbcode, hzcode) values(?, ?)", -1, &insert, nullptr);
  for (const auto& [code, text] : rows) {
    sqlite3_bind_text(insert, 1, code.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(insert, 2, text.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_step(insert);
    sqlite3_reset(insert);
  }
  sqlite3_finalize(insert);
  Exec(db, "commit");
  Exec(db, "create index lmt_sx_lookup on lmt_sx(length(mbcode), mbcode, seq, hzcode)");
  sqlite3_close(db);
}

std::vector<std::pair<std::string, std::string>> SortedRows(char first, int count) {
  std::vector<std::pair<std::string, std::string>> rows;
  for (int i = 0; i < count; ++i) rows.emplace_back(RandomCode(first, Pick(1, 4)), RandomText());
  std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) {
    return a.first.size() != b.first.size() ? a.first.size() < b.first.size() : a.first < b.first;
  });
  return rows;
}

// Opens, keys, queries (every row read) and closes one file with raw calls.
int RawQuery(const std::string& path, const BoundSql& sql) {
  sqlite3* db = OpenKeyed(path);
  sqlite3_stmt* statement = nullptr;
  int rows = 0;
  if (sqlite3_prepare_v2(db, sql.sql.c_str(), -1, &statement, nullptr) == SQLITE_OK) {
    for (size_t i = 0; i < sql.values.size(); ++i)
      sqlite3_bind_text(statement, static_cast<int>(i + 1), sql.values[i].c_str(), -1,
                        SQLITE_STATIC);
    while (sqlite3_step(statement) == SQLITE_ROW) {
      rows += sqlite3_column_text(statement, 0) != nullptr;
      sqlite3_column_text(statement, 1);
    }
  }
  sqlite3_finalize(statement);
  sqlite3_close(db);
  return rows;
}

}  // namespace

int main() {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  const std::string dir = std::string(temp) + "lmt_bench_lookup_" +
                          std::to_string(GetCurrentProcessId()) + "\\";
  CreateDirectoryA(dir.c_str(), nullptr);

  std::printf("Generating %d system files of %d rows and a user file...\n", 26, kRowsPerFile);
  std::vector<std::string> codes;  // every system code, to sample typed prefixes from
  for (char first = 'a'; first <= 'z'; ++first) {
    const auto rows = SortedRows(first, kRowsPerFile);
    for (const auto& row : rows) codes.push_back(row.first);
    WriteDictionary(dir + "lmtsys_" + first + ".db", rows);
  }
  std::vector<std::pair<std::string, std::string>> user;
  for (int i = 0; i < 300; ++i) user.emplace_back(RandomCode(static_cast<char>('a' + Pick(0, 25)), Pick(2, 4)), RandomText());
  std::sort(user.begin(), user.end());
  WriteDictionary(dir + "lmtsys_User.db", user);

  const DictionarySet dictionaries = {dir, CodeScheme::sx};
  const CandidateFilter filter = {true, nullptr};

  std::printf("%-7s %9s %14s %14s %14s %14s\n", "letters", "rows", "lookup median",
              "lookup p95", "floor median", "floor p95");
  for (int length = 1; length <= 4; ++length) {
    std::vector<double> lookups, floors;
    long long rows = 0;
    for (int sample = 0; sample < kSamplesPerLength; ++sample) {
      // The first letters of a stored code, as a user types them.
      std::string code;
      while (static_cast<int>(code.size()) < length)
        code = codes[static_cast<std::size_t>(Pick(0, static_cast<int>(codes.size()) - 1))];
      code.resize(static_cast<std::size_t>(length));

      BoundSql sql = SqlPrefixRange("mbcode", code);
      sql.sql = "select hzcode,mbcode from lmt_sx where " + sql.sql +
                " order by length(mbcode), mbcode asc limit 0,999";
      auto floor = [&] {
        TimeInto(floors, [&] {
          RawQuery(dir + "lmtsys_" + code.substr(0, 1) + ".db", sql);
          RawQuery(dir + "lmtsys_User.db", sql);
        });
      };
      auto lookup = [&] {
        TimeInto(lookups, [&] { rows += LookupCandidates(code, dictionaries, filter).records.size(); });
      };
      RunAlternately(sample, floor, lookup);
    }
    std::printf("%-7d %9.0f %11.2f ms %11.2f ms %11.2f ms %11.2f ms\n", length,
                static_cast<double>(rows) / kSamplesPerLength, Percentile(lookups, 50),
                Percentile(lookups, 95), Percentile(floors, 50), Percentile(floors, 95));
  }
  std::printf("(%d random codes per length; rows = mean candidates listed; 156,000 system rows)\n",
              kSamplesPerLength);

  for (char first = 'a'; first <= 'z'; ++first) DeleteFileA((dir + "lmtsys_" + first + ".db").c_str());
  DeleteFileA((dir + "lmtsys_User.db").c_str());
  RemoveDirectoryA(dir.c_str());
  return 0;
}
