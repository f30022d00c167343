// The phrase-code rule over a reverse table of any rows, through the module's own scan,
// reverse lookup and rule.
//
// Input: a first line "OPTIONS<TAB>PHRASE" (OPTIONS: two digits choosing the declared
// types of mbcode and hzcode, then "s" for the sx scheme), then reverse rows
// "code<TAB>character".
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "ime/dictionary/PhraseCharacters.h"
#include "ime/dictionary/SQLiteTable3.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/hostile/HostileRows.h"

namespace {

// A file in memory where the system has such a folder: every input writes one.
std::string ReverseFilePath() {
  const std::string dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
  return dir + "/lmt-fuzz-odd-" + std::to_string(getpid()) + ".db";
}

// Writes the reverse table as a keyed file; false when SQLite refuses a row.
bool WriteReverseFile(const std::string& path, const std::string& options,
                      const std::vector<std::string_view>& lines, const std::string& table) {
  std::remove(path.c_str());
  sqlite3* db = nullptr;
  sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  sqlite3_key(db, kDictionaryPassword, kDictionaryKeyLength);
  std::string script = "pragma journal_mode=off;begin;" +
                       CreateTableStatement(table, DeclaredType(options.size() > 0 ? options[0] : 0),
                                            DeclaredType(options.size() > 1 ? options[1] : 0)) +
                       ";";
  for (std::size_t i = 1; i < lines.size() && i < 2000; ++i) {
    const std::vector<std::string_view> cells = Split(lines[i], '\t');
    script += InsertRowStatement(table, cells[0], cells.size() > 1 ? cells[1] : "") + ";";
  }
  const bool written = sqlite3_exec(db, (script + "commit").c_str(), nullptr, nullptr, nullptr) ==
                       SQLITE_OK;
  sqlite3_close(db);
  return written;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = ReverseFilePath();
  const std::vector<std::string_view> lines = Split(InputText(data, size), '\n');
  const std::vector<std::string_view> head = Split(lines[0], '\t');
  const std::string options(head[0]);
  const std::string_view phrase = head.size() > 1 ? head[1] : std::string_view();
  const CodeScheme scheme = options.find('s') != std::string::npos ? CodeScheme::sx : CodeScheme::zx;
  if (!WriteReverseFile(path, options, lines, scheme == CodeScheme::sx ? "odd_sx" : "odd_zx"))
    return 0;

  std::string code;
  try {
    code = DerivePhraseCode(ScanPhrase(phrase), path, scheme);
  } catch (const ESQLiteException&) {
    return 0;  // the access layer's error: a refused statement or a damaged file
  }
  const std::size_t characters = ScanPhrase(phrase).positions.size();
  if (characters == 0) FUZZ_CHECK(code.empty());
  if (characters >= 2) FUZZ_CHECK(code.size() <= (scheme == CodeScheme::sx ? 8u : 4u));
  return 0;
}
