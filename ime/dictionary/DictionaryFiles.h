// The dictionary files and tables of the active scheme, in the dictionary directory.
#pragma once

#include <memory>
#include <string>

#include "ime/dictionary/PhraseCodeRule.h"

class TSQLiteDatabase;

// dictionaryDir followed by name; raises ESQLiteException when no directory is known.
std::string DictionaryFile(const std::string& name);
// The system dictionary of the codes that begin with initial, opened.
std::unique_ptr<TSQLiteDatabase> OpenSystemDictionary(const std::string& initial);
// The user dictionary, opened. The first open of a file in a process gives it the current
// layout when it has an older one; while that cannot be done, each later open tries again.
std::unique_ptr<TSQLiteDatabase> OpenUserDictionary();
CodeScheme ActiveScheme();
// "lmt_sx" or "lmt_zx".
std::string ActiveWordTable();
