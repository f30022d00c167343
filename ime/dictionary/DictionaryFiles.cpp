#include "ime/dictionary/DictionaryFiles.h"

#include <mutex>
#include <shared_mutex>

#include "ime/dictionary/SQLiteTable3.h"
#include "ime/dictionary/UserDictionaryLayout.h"

namespace {

// The user dictionary last found with the current layout: only another file (another
// dictionary folder) is looked at again. Lookups may run on several threads of a process.
std::shared_mutex layoutLock;
std::string fileWithLayout;

bool HasLayout(const std::string& path) {
  std::shared_lock<std::shared_mutex> reading(layoutLock);
  return path == fileWithLayout;
}

void RememberLayout(const std::string& path) {
  std::unique_lock<std::shared_mutex> writing(layoutLock);
  fileWithLayout = path;
}

}  // namespace

std::string DictionaryFile(const DictionarySet& dictionaries, const std::string& name) {
  if (dictionaries.folder.empty())
    throw ESQLiteException("No dictionary directory: the input method is not installed");
  return dictionaries.folder + name;
}

HeldDatabase OpenSystemDictionary(const DictionarySet& dictionaries, const std::string& initial) {
  const std::string path = DictionaryFile(dictionaries, "lmtsys_" + initial + ".db");
  return HoldDatabase(path, [&] {
    return std::make_unique<TSQLiteDatabase>(path, kDictionaryPassword, FileWrites::replacedWhole);
  });
}

HeldDatabase OpenUserDictionary(const DictionarySet& dictionaries, UserDictionaryUse use) {
  const std::string path = DictionaryFile(dictionaries, "lmtsys_User.db");
  HeldDatabase db = HoldDatabase(path, [&] {
    auto opened = std::make_unique<TSQLiteDatabase>(path, kDictionaryPassword);
    if (!HasLayout(path) && UpgradeUserDictionary(*opened)) RememberLayout(path);
    return opened;
  });
  // Another application saving a phrase holds the file for a moment: wait for it rather
  // than lose a phrase or a key's user candidates. Past the wait, the lock error stands.
  db->SetBusyWait(use == UserDictionaryUse::lookup ? 20 : 250);
  return db;
}

std::string WordTable(CodeScheme scheme) { return scheme == CodeScheme::sx ? "lmt_sx" : "lmt_zx"; }
