// The dictionary files of one installation: their folder and the tables of a scheme.
#pragma once

#include <memory>
#include <string>

#include "ime/dictionary/PhraseCodeRule.h"

class TSQLiteDatabase;

// Where a dictionary operation reads and writes: the folder of the files (with its trailing
// separator; empty when the input method is not installed) and the scheme whose tables are
// used.
struct DictionarySet {
  std::string folder;
  CodeScheme scheme;
};

// The folder followed by name; raises ESQLiteException when no folder is known, so that
// nothing is opened (or created) in the application's current directory.
std::string DictionaryFile(const DictionarySet& dictionaries, const std::string& name);
// The system dictionary of the codes that begin with initial, opened.
std::unique_ptr<TSQLiteDatabase> OpenSystemDictionary(const DictionarySet& dictionaries,
                                                      const std::string& initial);
// The user dictionary, opened. The first open of a file in a process gives it the current
// layout when it has an older one; while that cannot be done, each later open tries again.
std::unique_ptr<TSQLiteDatabase> OpenUserDictionary(const DictionarySet& dictionaries);
// "lmt_sx" or "lmt_zx".
std::string WordTable(CodeScheme scheme);
