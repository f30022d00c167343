// Times candidate lookups on built dictionaries the way the module runs them: open and
// key the system file of the code's initial and the user file, run the lookup statement
// on each, read every row and cell, close both. Prints, per scheme and code length, the
// median and 95th percentile against the floor: the same two opens, keys and closes
// around a statement that returns nothing.
//   lmt_bench_lookup DICTDIR [REPEATS]
#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "ime/dictionary/SQLiteTable3.h"  // kDictionaryPassword, kDictionaryKeyLength

namespace {

using Clock = std::chrono::steady_clock;

struct Cell {
  int type;
  std::string text;
};

sqlite3* OpenKeyed(const std::string& path) {
  sqlite3* db = nullptr;
  if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) {
    std::fprintf(stderr, "cannot open %s\n", path.c_str());
    std::exit(1);
  }
  sqlite3_key(db, kDictionaryPassword, kDictionaryKeyLength);
  return db;
}

// Reads the whole result the way the module's result table does; returns the row count.
size_t QueryAll(sqlite3* db, const std::string& sql, std::vector<Cell>& cells) {
  cells.clear();
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
    std::fprintf(stderr, "%s: %s\n", sql.c_str(), sqlite3_errmsg(db));
    std::exit(1);
  }
  size_t rows = 0;
  std::vector<std::string> names;
  while (sqlite3_step(statement) == SQLITE_ROW) {
    const int columns = sqlite3_column_count(statement);
    if (rows++ == 0)
      for (int c = 0; c < columns; ++c) {
        names.emplace_back(sqlite3_column_name(statement, c));
        if (!sqlite3_column_decltype(statement, c)) names.back() += "?";
      }
    for (int c = 0; c < columns; ++c) {
      const int type = sqlite3_column_type(statement, c);
      const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, c));
      cells.push_back({type, text ? std::string(text) : std::string()});
    }
  }
  sqlite3_finalize(statement);
  return rows;
}

std::string LookupStatement(const std::string& table, const std::string& code) {
  std::string bound = code;
  bound.back() = static_cast<char>(bound.back() + 1);
  return "select hzcode,mbcode from " + table + " where mbcode >='" + code +
         "' and mbcode < '" + bound + "' order by length(mbcode), mbcode asc limit 0,999";
}

// One lookup as the module runs it; returns microseconds and the system rows found.
double TimedLookup(const std::string& dir, const std::string& table, const std::string& code,
                   size_t& rows) {
  std::vector<Cell> systemCells, userCells;
  const std::string sql = LookupStatement(table, code);
  const Clock::time_point start = Clock::now();
  sqlite3* system = OpenKeyed(dir + "/lmtsys_" + code.substr(0, 1) + ".db");
  rows = QueryAll(system, sql, systemCells);
  sqlite3* user = OpenKeyed(dir + "/lmtsys_User.db");
  QueryAll(user, sql, userCells);
  sqlite3_close(user);
  sqlite3_close(system);
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

std::set<std::string> CodesOf(const std::string& dir, const std::string& table) {
  std::set<std::string> codes;
  for (char c = 'a'; c <= 'z'; ++c) {
    const std::string path = dir + "/lmtsys_" + c + ".db";
    if (FILE* f = std::fopen(path.c_str(), "rb")) std::fclose(f);
    else continue;
    sqlite3* db = OpenKeyed(path);
    std::vector<Cell> cells;
    QueryAll(db, "select distinct mbcode from " + table, cells);
    for (const Cell& cell : cells) codes.insert(cell.text);
    sqlite3_close(db);
  }
  return codes;
}

// Up to `count` distinct prefixes of the given length, spread over the whole code range.
std::vector<std::string> SampleCodes(const std::set<std::string>& codes, size_t length,
                                     size_t count, std::mt19937& random) {
  std::set<std::string> prefixes;
  for (const std::string& code : codes)
    if (code.size() >= length) prefixes.insert(code.substr(0, length));
  std::vector<std::string> all(prefixes.begin(), prefixes.end());
  std::shuffle(all.begin(), all.end(), random);
  if (all.size() > count) all.resize(count);
  return all;
}

double Percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  const size_t index = static_cast<size_t>(p * static_cast<double>(values.size() - 1) + 0.5);
  return values[index];
}

void PrintPlans(const std::string& dir, const std::string& table) {
  for (const char* code : {"a", "ab", "abc", "abcd"}) {
    sqlite3* db = OpenKeyed(dir + "/lmtsys_a.db");
    std::vector<Cell> cells;
    QueryAll(db, "explain query plan " + LookupStatement(table, code), cells);
    std::printf("  plan %-4s:", code);
    for (size_t i = 3; i < cells.size(); i += 4) std::printf(" [%s]", cells[i].text.c_str());
    std::printf("\n");
    sqlite3_close(db);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: lmt_bench_lookup DICTDIR [REPEATS]\n");
    return 2;
  }
  const std::string dir = argv[1];
  const int repeats = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
  std::mt19937 random(20240601);
  std::printf("lookup timings in microseconds; each code %d times, each time followed by a\n"
              "floor run (same files, a code that matches nothing). \"best\" is the fastest\n"
              "of a code's runs (what the code costs without scheduling noise), \"all\" every run.\n",
              repeats);
  bool allWithin = true;
  for (const std::string table : {"lmt_sx", "lmt_zx"}) {
    std::printf("%s\n", table.c_str());
    PrintPlans(dir, table);
    const std::set<std::string> codes = CodesOf(dir, table);
    std::vector<double> floorAll, floorBest;
    for (size_t length = 1; length <= 4; ++length) {
      const std::vector<std::string> sample =
          SampleCodes(codes, length, length == 1 ? 26 : 300, random);
      std::vector<double> all, best;
      size_t maxRows = 0;
      for (const std::string& code : sample) {
        double codeBest = 1e30, floorCodeBest = 1e30;
        for (int r = 0; r < repeats; ++r) {
          size_t rows = 0;
          const double t = TimedLookup(dir, table, code, rows);
          maxRows = std::max(maxRows, rows);
          all.push_back(t);
          codeBest = std::min(codeBest, t);
          const double f = TimedLookup(dir, table, code.substr(0, 1) + "{", rows);
          floorAll.push_back(f);
          floorCodeBest = std::min(floorCodeBest, f);
        }
        best.push_back(codeBest);
        floorBest.push_back(floorCodeBest);
      }
      const double floor = Percentile(floorBest, 0.5);
      const double p95 = Percentile(best, 0.95);
      const bool within = p95 <= 1.5 * floor;
      allWithin = allWithin && within;
      std::printf("  %zu letters, %zu codes, up to %zu rows: best median %.1f p95 %.1f "
                  "(floor %.1f, p95/floor %.2f %s); all median %.1f p95 %.1f\n",
                  length, sample.size(), maxRows, Percentile(best, 0.5), p95, floor,
                  p95 / floor, within ? "ok" : "OVER 1.5", Percentile(all, 0.5),
                  Percentile(all, 0.95));
    }
    std::printf("  floor over all runs: best median %.1f; all median %.1f p95 %.1f\n",
                Percentile(floorBest, 0.5), Percentile(floorAll, 0.5),
                Percentile(floorAll, 0.95));
  }
  return allWithin ? 0 : 1;
}
