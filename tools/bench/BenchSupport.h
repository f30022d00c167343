// What the Windows benchmarks share: a millisecond clock, timing, percentiles, and the floor of a
// dictionary operation (a file opened, keyed, given a query that returns nothing, closed).
#pragma once

#include <windows.h>

#include <sqlite3.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ime/dictionary/SQLiteTable3.h"

inline double NowMs() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  LARGE_INTEGER count;
  QueryPerformanceCounter(&count);
  return 1000.0 * static_cast<double>(count.QuadPart) / frequency;
}

// Times one call of measure into times.
template <typename Measure>
void TimeInto(std::vector<double>& times, Measure measure) {
  const double start = NowMs();
  measure();
  times.push_back(NowMs() - start);
}

// Runs the two measurements of a sample in alternating order, so that neither always meets
// a warm cache.
template <typename First, typename Second>
void RunAlternately(int sample, First first, Second second) {
  if (sample % 2) {
    first();
    second();
  } else {
    second();
    first();
  }
}

inline double Percentile(std::vector<double> times, int percent) {
  std::sort(times.begin(), times.end());
  return times[(times.size() - 1) * static_cast<size_t>(percent) / 100];
}

inline sqlite3* OpenKeyed(const std::string& path) {
  sqlite3* db = nullptr;
  sqlite3_open(path.c_str(), &db);
  sqlite3_key(db, kDictionaryPassword, kDictionaryKeyLength);
  return db;
}

// Opens and keys path, runs sql (which returns nothing) and closes the file again.
inline void EmptyQuery(const std::string& path, const std::string& sql) {
  sqlite3* db = OpenKeyed(path);
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) == SQLITE_OK) {
    while (sqlite3_step(statement) == SQLITE_ROW) {
    }
  }
  sqlite3_finalize(statement);
  sqlite3_close(db);
}
