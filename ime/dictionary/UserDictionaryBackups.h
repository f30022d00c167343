// Copies of the user dictionary beside it, "lmtsys_User.<yyyymmdd>.bak", made with SQLite's
// backup API (a consistent copy, even while other programs use the file): before each
// import and at the first write of each day. The three newest are kept.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "ime/dictionary/DictionaryFiles.h"

inline constexpr std::size_t kKeptBackups = 3;

struct UserDictionaryBackup {
  std::string date;  // yyyymmdd
  std::string path;
};

// The local date as yyyymmdd.
std::string TodayStamp();

// The backups in the dictionary folder, newest first.
std::vector<UserDictionaryBackup> ListUserDictionaryBackups(const DictionarySet& dictionaries);

// Copies the user dictionary to the backup of date (replacing one made earlier that day)
// and deletes all but the kKeptBackups newest. Raises ESQLiteException when the copy fails.
void BackUpUserDictionary(const DictionarySet& dictionaries, const std::string& date);

// Before a write: the backup of today, unless one exists. A backup that cannot be made
// does not stop the write.
void KeepDailyBackup(const DictionarySet& dictionaries);

// The phrases of both schemes a backup (or any user dictionary file) holds.
std::size_t PhraseCountOf(const std::string& path);

// Replaces the user dictionary by the backup at path in one step, after keeping the
// current file as today's backup; a damaged current file, which no copy can read, is kept
// renamed to "lmtsys_User.db.damaged". A missing user dictionary is made anew. Returns the
// phrases restored.
std::size_t RestoreUserDictionary(const DictionarySet& dictionaries, const std::string& path,
                                  const std::string& today);
