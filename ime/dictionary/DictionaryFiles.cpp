#include "ime/dictionary/DictionaryFiles.h"

#include <cstring>

#include "ime/dictionary/SQLiteTable3.h"
#include "ime/settings/Globals.h"

std::string DictionaryFile(const std::string& name) {
  const char* dir = globals.dictionaryDir;
  // Without an installation directory a bare name would open (and create) a file in the
  // application's current directory.
  if (dir[0] == '\0') throw ESQLiteException("No dictionary directory: the input method is not installed");
  return std::string(dir, strnlen(dir, sizeof globals.dictionaryDir)) + name;
}

CodeScheme ActiveScheme() { return globals.sxScheme == 1 ? CodeScheme::sx : CodeScheme::zx; }

std::string ActiveWordTable() { return ActiveScheme() == CodeScheme::sx ? "lmt_sx" : "lmt_zx"; }
