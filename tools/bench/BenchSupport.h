// What the Windows benchmarks share: a millisecond clock, timing, percentiles, and the floor of a
// dictionary operation (a file opened, keyed, given a query that returns nothing, closed).
#pragma once

#include <windows.h>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "ime/dictionary/SQLiteTable3.h"
#include "ime/settings/Globals.h"

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

// Opens as the module does: a missing file is not created in the folder measured (its
// statements then fail).
inline sqlite3* OpenKeyed(const std::string& path) {
  sqlite3* db = nullptr;
  sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
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

// Points the module at a dictionary folder, cut to the module's path buffer.
inline void UseDictionaryDir(const std::string& dir) {
  std::memset(globals.dictionaryDir, 0, sizeof globals.dictionaryDir);
  std::memcpy(globals.dictionaryDir, dir.data(),
              std::min(dir.size(), sizeof globals.dictionaryDir - 1));
}

// The arguments DICTIONARY_DIR [SAMPLES] [USER_PHRASES] of the benchmarks on installed
// dictionaries; the folder ends with a backslash. USER_PHRASES generated phrases are added
// to the user dictionary of the copy measured (BenchInstallation). False, after printing
// the usage, when the folder is missing.
struct DictionaryBenchArguments {
  std::string dir;
  int samples = 200;
  int userPhrases = 0;
};
inline bool ReadDictionaryBenchArguments(int argc, char** argv, const char* program,
                                         DictionaryBenchArguments* arguments) {
  if (argc < 2 || argv[1][0] == 0) {
    std::fprintf(stderr, "usage: %s DICTIONARY_DIR [SAMPLES] [USER_PHRASES]\n", program);
    return false;
  }
  arguments->dir = argv[1];
  if (arguments->dir.back() != '\\') arguments->dir += '\\';
  if (argc > 2) arguments->samples = std::max(1, std::atoi(argv[2]));
  if (argc > 3) arguments->userPhrases = std::max(0, std::atoi(argv[3]));
  return true;
}

inline void PrintUserDictionarySize(int userPhrases) {
  std::printf("user dictionary: %d phrases (generated, 4-letter zx codes)\n", userPhrases);
}
