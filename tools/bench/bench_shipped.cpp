// Prints, for the shipped dictionaries, the median and 95th-percentile time of
// LookupCandidates for codes of 1 to 4 letters in both schemes, beside the floor measured
// in the same run: the same two files opened, keyed, given a query that returns nothing,
// and closed.
//   bench_shipped DICTIONARY_DIR [SAMPLES] [USER_PHRASES]
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
#include "tools/bench/BenchInstallation.h"
#include "tools/bench/BenchSupport.h"

namespace {

// Every code stored in the system files of a table: what a user can type.
std::vector<std::string> StoredCodes(const std::string& dir, const char* table) {
  std::vector<std::string> codes;
  const std::string sql = std::string("select distinct mbcode from ") + table;
  for (const char* first = "abcdefghijklmnopqrstuvwxyz,;"; *first; ++first) {
    sqlite3* db = OpenKeyed(dir + "lmtsys_" + *first + ".db");
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK) {
      while (sqlite3_step(statement) == SQLITE_ROW) {
        codes.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
      }
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
  }
  return codes;
}

}  // namespace

int main(int argc, char** argv) {
  DictionaryBenchArguments arguments;
  if (!ReadDictionaryBenchArguments(argc, argv, "bench_shipped", &arguments)) return 2;
  const BenchInstallation installation(arguments.dir, arguments.userPhrases);
  if (!installation.Ok()) return 1;
  const std::string& dir = installation.DictionaryDir();
  const int samples = arguments.samples;
  PrintUserDictionarySize(arguments.userPhrases);
  const CandidateFilter filter = {true, nullptr};
  std::mt19937 generator(20261207);

  std::printf("%-6s %-7s %8s %12s %12s %12s %12s %9s\n", "scheme", "letters", "rows",
              "lookup med", "lookup p95", "floor med", "floor p95", "p95 ratio");
  for (int sx = 1; sx >= 0; --sx) {
    const char* table = sx ? "lmt_sx" : "lmt_zx";
    const DictionarySet dictionaries = {dir, sx ? CodeScheme::sx : CodeScheme::zx};
    const std::vector<std::string> codes = StoredCodes(dir, table);
    const std::string emptySql = std::string("select hzcode,mbcode from ") + table + " limit 0";
    for (int length = 1; length <= 4; ++length) {
      std::vector<std::string> typed;
      for (const std::string& code : codes) {
        if (static_cast<int>(code.size()) >= length) typed.push_back(code.substr(0, length));
      }
      if (typed.empty()) continue;
      std::vector<double> lookups, floors;
      double rows = 0;
      for (int i = 0; i < samples; ++i) {
        const std::string code = typed[std::uniform_int_distribution<size_t>(0, typed.size() - 1)(generator)];
        auto floor = [&] {
          TimeInto(floors, [&] {
            EmptyQuery(dir + "lmtsys_" + code.substr(0, 1) + ".db", emptySql);
            EmptyQuery(dir + "lmtsys_User.db", emptySql);
          });
        };
        auto lookup = [&] {
          TimeInto(lookups, [&] {
            rows += static_cast<double>(LookupCandidates(code, dictionaries, filter).records.size());
          });
        };
        RunAlternately(i, floor, lookup);
      }
      const double lookupP95 = Percentile(lookups, 95), floorP95 = Percentile(floors, 95);
      std::printf("%-6s %-7d %8.0f %9.2f ms %9.2f ms %9.2f ms %9.2f ms %9.2f\n", sx ? "sx" : "zx",
                  length, rows / samples, Percentile(lookups, 50), lookupP95,
                  Percentile(floors, 50), floorP95, lookupP95 / floorP95);
    }
  }
  std::printf("(%d codes per line, prefixes of stored codes; rows = mean candidates listed)\n",
              samples);
  return 0;
}
