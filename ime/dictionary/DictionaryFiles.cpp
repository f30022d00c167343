#include "ime/dictionary/DictionaryFiles.h"

#include <windows.h>

#include <cstring>

#include "ime/dictionary/SQLiteTable3.h"
#include "ime/dictionary/UserDictionaryLayout.h"
#include "ime/settings/Globals.h"

namespace {

// The user dictionary last found with the current layout: only another file (another
// dictionary folder) is looked at again. Lookups may run on several threads of a process.
SRWLOCK layoutLock = SRWLOCK_INIT;
std::string fileWithLayout;

bool HasLayout(const std::string& path) {
  AcquireSRWLockShared(&layoutLock);
  const bool known = path == fileWithLayout;
  ReleaseSRWLockShared(&layoutLock);
  return known;
}

void RememberLayout(const std::string& path) {
  AcquireSRWLockExclusive(&layoutLock);
  fileWithLayout = path;
  ReleaseSRWLockExclusive(&layoutLock);
}

}  // namespace

std::string DictionaryFile(const std::string& name) {
  const char* dir = globals.dictionaryDir;
  // Without an installation directory a bare name would open (and create) a file in the
  // application's current directory.
  if (dir[0] == '\0') throw ESQLiteException("No dictionary directory: the input method is not installed");
  return std::string(dir, strnlen(dir, sizeof globals.dictionaryDir)) + name;
}

std::unique_ptr<TSQLiteDatabase> OpenSystemDictionary(const std::string& initial) {
  return std::make_unique<TSQLiteDatabase>(DictionaryFile("lmtsys_" + initial + ".db"),
                                           kDictionaryPassword);
}

std::unique_ptr<TSQLiteDatabase> OpenUserDictionary() {
  const std::string path = DictionaryFile("lmtsys_User.db");
  auto db = std::make_unique<TSQLiteDatabase>(path, kDictionaryPassword);
  if (!HasLayout(path) && UpgradeUserDictionary(*db)) RememberLayout(path);
  return db;
}

CodeScheme ActiveScheme() { return globals.sxScheme == 1 ? CodeScheme::sx : CodeScheme::zx; }

std::string ActiveWordTable() { return ActiveScheme() == CodeScheme::sx ? "lmt_sx" : "lmt_zx"; }
