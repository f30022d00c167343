// Cost of one dictionary operation as the module performs it: open and key the file,
// run one statement, read its result, close. Prints the median and 95th percentile.
//
//   bench_open [--file PATH] [--iterations N]
// Without --file (or with a PATH that does not exist) it first writes an encrypted file of
// 150,000 rows of table lmt_zx with GBK text and an index on mbcode, in code order as a
// dictionary builder writes them.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include <sqlite3.h>

#include "ime/dictionary/SQLiteTable3.h"

namespace {

const int kRows = 150000;

// A code of 1 to 4 letters a-y (mostly 4, as in a shape scheme) and 1 to 4 GB2312 level-1
// characters (lead bytes B0-D7).
void MakeRow(std::mt19937& random, std::string& code, std::string& text) {
  static const int kCodeLengths[] = {1, 2, 2, 3, 3, 3, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4};
  const int codeLength = kCodeLengths[random() % 16];
  for (int i = 0; i < codeLength; ++i) code += static_cast<char>('a' + random() % 25);
  const int characters = 1 + static_cast<int>(random() % 4);
  for (int i = 0; i < characters; ++i) {
    text += static_cast<char>(0xB0 + random() % 0x27);
    text += static_cast<char>(0xA1 + random() % 0x59);
  }
}

bool WriteDictionary(const std::string& path) {
  sqlite3* db = nullptr;
  if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) return false;
  sqlite3_key(db, kDictionaryPassword, kDictionaryKeyLength);
  bool ok = sqlite3_exec(db, "create table lmt_zx(mbcode text, hzcode text); begin", nullptr,
                         nullptr, nullptr) == SQLITE_OK;
  sqlite3_stmt* insert = nullptr;
  ok = ok && sqlite3_prepare_v2(db, "insert into lmt_zx values(?1, ?2)", -1, &insert,
                                nullptr) == SQLITE_OK;
  std::mt19937 random(20240601);
  std::vector<std::pair<std::string, std::string>> rows(kRows);
  for (auto& [code, text] : rows) MakeRow(random, code, text);
  std::sort(rows.begin(), rows.end());
  for (const auto& [code, text] : rows) {
    if (!ok) break;
    sqlite3_bind_text(insert, 1, code.data(), static_cast<int>(code.size()), SQLITE_TRANSIENT);
    sqlite3_bind_text(insert, 2, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    ok = sqlite3_step(insert) == SQLITE_DONE && sqlite3_reset(insert) == SQLITE_OK;
  }
  sqlite3_finalize(insert);
  ok = ok && sqlite3_exec(db, "commit; create index lmt_zx_mbcode on lmt_zx(mbcode)", nullptr,
                          nullptr, nullptr) == SQLITE_OK;
  if (!ok) std::fprintf(stderr, "writing %s failed: %s\n", path.c_str(), sqlite3_errmsg(db));
  sqlite3_close(db);
  return ok;
}

struct Figures {
  double median;
  double p95;
  unsigned rows;
};

Figures Measure(const std::string& path, const std::string& sql, int iterations) {
  std::vector<double> millis;
  unsigned rows = 0;
  for (int i = 0; i < iterations; ++i) {
    const auto start = std::chrono::steady_clock::now();
    {
      TSQLiteDatabase db(path, kDictionaryPassword);
      rows = db.Query(sql)->RowCount();
    }
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    millis.push_back(elapsed.count());
  }
  std::sort(millis.begin(), millis.end());
  const size_t p95 = std::min(millis.size() - 1, (millis.size() * 95 + 99) / 100 - 1);
  return {millis[millis.size() / 2], millis[p95], rows};
}

std::string LookupStatement(const std::string& code, const std::string& upperBound) {
  return "select hzcode,mbcode from lmt_zx where mbcode >='" + code + "' and mbcode < '" +
         upperBound + "' order by length(mbcode), mbcode asc limit 0,999";
}

}  // namespace

int main(int argc, char** argv) {
  std::string path;
  int iterations = 200;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--file")
      path = argv[i + 1];
    else if (option == "--iterations")
      iterations = std::max(1, std::atoi(argv[i + 1]));
  }
  const bool temporary = path.empty();
  if (temporary)
    path = (std::filesystem::temp_directory_path() / "lmt-bench-open.db").string();
  if (temporary || !std::filesystem::exists(path)) {
    std::filesystem::remove(path);
    std::printf("writing %d rows to %s\n", kRows, path.c_str());
    if (!WriteDictionary(path)) return 1;
  }

  try {
    const struct {
      const char* name;
      std::string sql;
    } cases[] = {
        {"query that returns nothing", LookupStatement("zzzz", "zzz{")},
        {"one-letter range, up to 999 rows", LookupStatement("a", "b")},
    };
    for (const auto& c : cases) {
      const Figures figures = Measure(path, c.sql, iterations);
      std::printf("open+key+%s+close: median %.2f ms, p95 %.2f ms (N=%d, %u rows returned)\n",
                  c.name, figures.median, figures.p95, iterations, figures.rows);
    }
  } catch (const ESQLiteException& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  if (temporary) std::filesystem::remove(path);
  return 0;
}
