// Import of a 10,000-line phrase list (a quarter each of our export lines, phrase<TAB>code,
// Wubi lines and phrases alone, coded by the rule) into an empty user dictionary, beside
// the floor: raw SQLite inserting the same pairs with one bound statement in one
// transaction into the same empty file. Also the export of the imported phrases. Prints
// median times and the ratio to the floor (Wine).
//
//   bench_import.exe DICTIONARY_DIR [SAMPLES] [LINES]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "ime/common/AnsiText.h"
#include "ime/dictionary/PhraseTransfer.h"
#include "tools/bench/BenchInstallation.h"

namespace {

struct Pair {
  std::string code;
  std::string text;  // GBK
};

std::string Letters(std::mt19937& random, int count) {
  std::string code;
  for (int k = 0; k < count; ++k) code += static_cast<char>('a' + random() % 25);
  return code;
}

// The list in UTF-8, and the pairs with explicit codes (those the floor inserts).
std::string ListOf(int lines, std::vector<Pair>& pairs) {
  std::mt19937 random(20261208);
  std::string list = "# generated\n";
  for (int i = 0; i < lines; ++i) {
    const std::string text = bench_installation::GeneratedPhrase(random);
    const std::string code = Letters(random, 4);
    pairs.push_back({code, text});
    const std::string utf8 = AnsiToUtf8(text);
    switch (i % 4) {
      case 0: list += utf8 + "\t" + code + "\tzx\n"; break;
      case 1: list += utf8 + "\t" + code + "\n"; break;
      case 2: list += code + " " + utf8 + "\n"; break;
      default: list += utf8 + "\n"; break;
    }
  }
  return list;
}

bool FloorInsert(const std::string& path, const std::vector<Pair>& pairs) {
  sqlite3* db = OpenKeyed(path);
  sqlite3_stmt* insert = nullptr;
  bool ok = sqlite3_exec(db, "begin immediate", nullptr, nullptr, nullptr) == SQLITE_OK &&
            sqlite3_prepare_v2(db, "insert into lmt_zx values(?1, ?2)", -1, &insert, nullptr) ==
                SQLITE_OK;
  for (const Pair& pair : pairs) {
    if (!ok) break;
    sqlite3_bind_text(insert, 1, pair.code.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(insert, 2, pair.text.c_str(), -1, SQLITE_TRANSIENT);
    ok = sqlite3_step(insert) == SQLITE_DONE && sqlite3_reset(insert) == SQLITE_OK;
  }
  sqlite3_finalize(insert);
  ok = ok && sqlite3_exec(db, "commit", nullptr, nullptr, nullptr) == SQLITE_OK;
  sqlite3_close(db);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: bench_import.exe DICTIONARY_DIR [SAMPLES] [LINES]\n");
    return 2;
  }
  const int samples = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
  const int lines = argc > 3 ? std::max(1, std::atoi(argv[3])) : 10000;
  BenchInstallation installation(argv[1], 0);
  if (!installation.Ok()) {
    std::fprintf(stderr, "cannot copy the dictionaries of %s\n", argv[1]);
    return 1;
  }
  const std::string dir = installation.DictionaryDir();
  const std::string user = dir + "lmtsys_User.db", pristine = dir + "pristine.db";
  CopyFileA(user.c_str(), pristine.c_str(), FALSE);
  std::vector<Pair> pairs;
  const std::string list = ListOf(lines, pairs);
  const DictionarySet dictionaries{dir, CodeScheme::zx};

  std::vector<double> imports, floors, exports;
  ImportOutcome outcome;
  std::size_t exported = 0;
  try {
    for (int sample = 0; sample < samples; ++sample) {
      RunAlternately(
          sample,
          [&] {
            CopyFileA(pristine.c_str(), user.c_str(), FALSE);
            TimeInto(imports, [&] { outcome = ImportUserPhrases(dictionaries, list, "20261208"); });
            TimeInto(exports, [&] { exported = ExportUserPhrases(dictionaries).count; });
          },
          [&] {
            CopyFileA(pristine.c_str(), user.c_str(), FALSE);
            TimeInto(floors, [&] { FloorInsert(user, pairs); });
          });
    }
  } catch (const ESQLiteException& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  const double import = Percentile(imports, 50), floor = Percentile(floors, 50);
  std::printf("list: %d lines (UTF-8; export lines, phrase<TAB>code, Wubi lines, phrases alone)\n",
              lines);
  std::printf("import: added %u, skipped %u, invalid %u\n", static_cast<unsigned>(outcome.added),
              static_cast<unsigned>(outcome.skipped),
              static_cast<unsigned>(outcome.invalidLines.size()));
  std::printf("import (backup, parse, codes, one transaction): median %.1f ms (N=%d)\n", import,
              samples);
  std::printf("floor (raw bound inserts of the same pairs, one transaction): median %.1f ms\n",
              floor);
  std::printf("ratio import/floor: %.2f\n", import / floor);
  std::printf("export of %u phrases: median %.1f ms\n", static_cast<unsigned>(exported),
              Percentile(exports, 50));
  return 0;
}
