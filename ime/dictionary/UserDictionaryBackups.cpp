#include "ime/dictionary/UserDictionaryBackups.h"

#include <algorithm>
#include <cctype>
#include <ctime>
#include <memory>

#include "ime/dictionary/FolderFiles.h"
#include "ime/dictionary/HeldConnections.h"
#include "ime/dictionary/SQLiteTable3.h"

namespace {

const char kUserDictionaryName[] = "lmtsys_User.db";
const char kBackupPrefix[] = "lmtsys_User.";
const char kBackupSuffix[] = ".bak";
constexpr std::size_t kDateLength = 8;

bool SameLetters(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

// The date of a backup's file name; empty for any other file. Names are matched without
// regard to case, as Windows does.
std::string BackupDate(const std::string& name) {
  const std::size_t prefix = sizeof kBackupPrefix - 1, suffix = sizeof kBackupSuffix - 1;
  if (name.size() != prefix + kDateLength + suffix ||
      !SameLetters(name.substr(0, prefix), kBackupPrefix) ||
      !SameLetters(name.substr(prefix + kDateLength), kBackupSuffix)) {
    return {};
  }
  const std::string date = name.substr(prefix, kDateLength);
  return std::all_of(date.begin(), date.end(), [](char c) { return c >= '0' && c <= '9'; })
             ? date
             : std::string();
}

std::string BackupPath(const DictionarySet& dictionaries, const std::string& date) {
  return DictionaryFile(dictionaries, kBackupPrefix + date + kBackupSuffix);
}

// A file made for a while, deleted when it goes out of scope unless kept.
struct TemporaryFile {
  std::string path;
  bool kept = false;
  ~TemporaryFile() {
    if (!kept) DeleteFileAt(path);
  }
};

// Copies source into the file at path, replacing it once the copy is whole: a copy that
// fails half way never takes the place of a backup.
void CopyToNewFile(TSQLiteDatabase& source, const std::string& path) {
  TemporaryFile partial{path + ".partial"};
  // A damaged earlier attempt could not be written over page by page.
  if (!DeleteFileAt(partial.path)) throw ESQLiteException("Could not replace \"" + partial.path + "\"");
  {
    TSQLiteDatabase copy(partial.path, kDictionaryPassword, FileWrites::madeWhenMissing);
    source.CopyInto(copy);
  }
  if (!MoveFileOver(partial.path, path)) throw ESQLiteException("Could not replace \"" + path + "\"");
  partial.kept = true;
}

std::size_t PhraseCount(TSQLiteDatabase& db) {
  return static_cast<std::size_t>(
      db.Query("select (select count(*) from lmt_zx) + (select count(*) from lmt_sx)")
          ->FieldInt64(0));
}

// True when the file opens as a database at all (whatever it holds).
bool Readable(const std::string& path) {
  try {
    TSQLiteDatabase db(path, kDictionaryPassword);
    db.Query("select count(*) from sqlite_master");
    return true;
  } catch (const ESQLiteException&) {
    return false;
  }
}

}  // namespace

std::string TodayStamp() {
  const std::time_t now = std::time(nullptr);
  std::tm local = {};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  char stamp[16];
  std::strftime(stamp, sizeof stamp, "%Y%m%d", &local);
  return stamp;
}

std::vector<UserDictionaryBackup> ListUserDictionaryBackups(const DictionarySet& dictionaries) {
  std::vector<UserDictionaryBackup> backups;
  for (const std::string& name : FileNamesIn(DictionaryFile(dictionaries, ""))) {
    const std::string date = BackupDate(name);
    if (!date.empty()) backups.push_back({date, DictionaryFile(dictionaries, name)});
  }
  std::sort(backups.begin(), backups.end(),
            [](const UserDictionaryBackup& a, const UserDictionaryBackup& b) {
              return a.date > b.date;
            });
  return backups;
}

void BackUpUserDictionary(const DictionarySet& dictionaries, const std::string& date) {
  TSQLiteDatabase current(DictionaryFile(dictionaries, kUserDictionaryName), kDictionaryPassword);
  CopyToNewFile(current, BackupPath(dictionaries, date));
  const std::vector<UserDictionaryBackup> backups = ListUserDictionaryBackups(dictionaries);
  for (std::size_t k = kKeptBackups; k < backups.size(); ++k) DeleteFileAt(backups[k].path);
}

void KeepDailyBackup(const DictionarySet& dictionaries) {
  const std::string today = TodayStamp();
  try {
    if (!IsFile(BackupPath(dictionaries, today))) BackUpUserDictionary(dictionaries, today);
  } catch (const ESQLiteException&) {
    // The write goes on; the next one tries again.
  }
}

std::size_t PhraseCountOf(const std::string& path) {
  TSQLiteDatabase db(path, kDictionaryPassword);
  return PhraseCount(db);
}

std::size_t RestoreUserDictionary(const DictionarySet& dictionaries, const std::string& path,
                                  const std::string& today) {
  const std::string live = DictionaryFile(dictionaries, kUserDictionaryName);
  // The chosen copy is copied aside first: keeping the current file as today's backup may
  // write over it. (The codec copies only between files keyed alike, so not into memory.)
  const TemporaryFile heldFile{live + ".restoring"};
  {
    TSQLiteDatabase chosen(path, kDictionaryPassword);
    CopyToNewFile(chosen, heldFile.path);
  }
  TSQLiteDatabase held(heldFile.path, kDictionaryPassword);
  const std::size_t phrases = PhraseCount(held);  // also refuses a file without the tables

  // This process's own connections let go first: a file held open cannot be set aside.
  CloseHeldConnections();
  if (IsFile(live)) {
    if (Readable(live)) {
      BackUpUserDictionary(dictionaries, today);
    } else if (!MoveFileOver(live, live + ".damaged")) {
      throw ESQLiteException("Could not set the damaged \"" + live + "\" aside");
    }
  }
  // Written into the live file, not renamed over it: programs that have it open see the
  // old phrases or the restored ones, and keep working.
  TSQLiteDatabase restored(live, kDictionaryPassword, FileWrites::madeWhenMissing);
  held.CopyInto(restored);
  return phrases;
}
