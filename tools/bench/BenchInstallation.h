// The installation a benchmark measures: a copy of an installed one, whose user dictionary
// holds a given number of generated phrases, so that the cost of a large user dictionary
// can be measured and the installed files are never changed.
#pragma once

#include <windows.h>

#include <sqlite3.h>

#include <cstdio>
#include <random>
#include <string>

#include "tools/bench/BenchSupport.h"

namespace bench_installation {

inline bool CopyMatching(const std::string& from, const std::string& to, const char* pattern) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((from + pattern).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return true;
  bool ok = true;
  do {
    ok = ok && CopyFileA((from + found.cFileName).c_str(), (to + found.cFileName).c_str(), FALSE);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return ok;
}

inline void DeleteMatching(const std::string& dir, const char* pattern) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((dir + pattern).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    DeleteFileA((dir + found.cFileName).c_str());
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

// One to three GB2312 level-1 characters after a first one: a phrase of 2 to 4 characters.
inline std::string GeneratedPhrase(std::mt19937& random) {
  std::string text;
  for (int n = 2 + static_cast<int>(random() % 3); n > 0; --n) {
    text += static_cast<char>(0xB0 + random() % 0x28);
    text += static_cast<char>(0xA1 + random() % 0x5E);
  }
  return text;
}

// Appends count phrases under random 4-letter zx codes (a to y), as the phrase dialog
// stores them: one row each, in the order generated.
inline bool AddGeneratedPhrases(const std::string& userDictionary, int count) {
  sqlite3* db = OpenKeyed(userDictionary);
  sqlite3_stmt* insert = nullptr;
  bool ok = sqlite3_exec(db, "begin", nullptr, nullptr, nullptr) == SQLITE_OK &&
            sqlite3_prepare_v2(db, "insert into lmt_zx values(?1, ?2)", -1, &insert, nullptr) ==
                SQLITE_OK;
  std::mt19937 random(20261208);
  for (int i = 0; ok && i < count; ++i) {
    std::string code;
    for (int k = 0; k < 4; ++k) code += static_cast<char>('a' + random() % 25);
    const std::string text = GeneratedPhrase(random);
    sqlite3_bind_text(insert, 1, code.c_str(), -1, SQLITE_TRANSIENT);
    sqlite3_bind_text(insert, 2, text.c_str(), -1, SQLITE_TRANSIENT);
    ok = sqlite3_step(insert) == SQLITE_DONE && sqlite3_reset(insert) == SQLITE_OK;
  }
  sqlite3_finalize(insert);
  ok = ok && sqlite3_exec(db, "commit", nullptr, nullptr, nullptr) == SQLITE_OK;
  if (!ok) std::fprintf(stderr, "%s: %s\n", userDictionary.c_str(), sqlite3_errmsg(db));
  sqlite3_close(db);
  return ok;
}

}  // namespace bench_installation

// A copy, in a new temporary folder, of the installation whose dictionary folder is given
// (the folder's dictionary files, and the list files of the folder above it), with
// userPhrases generated phrases added to its user dictionary. Removed again at the end.
class BenchInstallation {
public:
  BenchInstallation(const std::string& dictionaryDir, int userPhrases) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    installDir_ = std::string(temp) + "lmt_bench_" + std::to_string(GetCurrentProcessId()) + "\\";
    dictionaryDir_ = installDir_ + "lumatoridb\\";
    std::string source = dictionaryDir;
    if (source.back() != '\\') source += '\\';
    const std::string sourceInstall =
        source.substr(0, source.find_last_of('\\', source.size() - 2) + 1);
    using namespace bench_installation;
    ok_ = CreateDirectoryA(installDir_.c_str(), nullptr) &&
          CreateDirectoryA(dictionaryDir_.c_str(), nullptr) &&
          CopyMatching(sourceInstall, installDir_, "*.ini") &&
          CopyMatching(source, dictionaryDir_, "*.db") &&
          (userPhrases == 0 || AddGeneratedPhrases(dictionaryDir_ + "lmtsys_User.db", userPhrases));
  }
  ~BenchInstallation() {
    bench_installation::DeleteMatching(dictionaryDir_, "*");
    bench_installation::DeleteMatching(installDir_, "*");
    RemoveDirectoryA(dictionaryDir_.c_str());
    RemoveDirectoryA(installDir_.c_str());
  }
  BenchInstallation(const BenchInstallation&) = delete;
  BenchInstallation& operator=(const BenchInstallation&) = delete;

  bool Ok() const { return ok_; }
  // Both end with a backslash.
  const std::string& InstallDir() const { return installDir_; }
  const std::string& DictionaryDir() const { return dictionaryDir_; }

private:
  std::string installDir_;
  std::string dictionaryDir_;
  bool ok_ = false;
};
