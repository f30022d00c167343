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

std::unique_ptr<TSQLiteDatabase> OpenSystemDictionary(const DictionarySet& dictionaries,
                                                      const std::string& initial) {
  return std::make_unique<TSQLiteDatabase>(
      DictionaryFile(dictionaries, "lmtsys_" + initial + ".db"), kDictionaryPassword,
      FileWrites::replacedWhole);
}

std::unique_ptr<TSQLiteDatabase> OpenUserDictionary(const DictionarySet& dictionaries) {
  const std::string path = DictionaryFile(dictionaries, "lmtsys_User.db");
  auto db = std::make_unique<TSQLiteDatabase>(path, kDictionaryPassword);
  if (!HasLayout(path) && UpgradeUserDictionary(*db)) RememberLayout(path);
  return db;
}

std::string WordTable(CodeScheme scheme) { return scheme == CodeScheme::sx ? "lmt_sx" : "lmt_zx"; }
