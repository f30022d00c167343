// The dictionary files of one installation: their folder and the tables of a scheme.
#pragma once

#include <memory>
#include <string>

#include "ime/dictionary/HeldConnections.h"
#include "ime/dictionary/PhraseCodeRule.h"

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
// The system dictionary of the codes that begin with initial, this thread's kept connection.
HeldDatabase OpenSystemDictionary(const DictionarySet& dictionaries, const std::string& initial);
// What an operation on the user dictionary is for: it decides how long the operation's
// statements wait for another process's lock on the file before they fail as busy.
enum class UserDictionaryUse {
  lookup,   // the candidates of a key, which must stay quick
  phrases,  // the phrase operations: a phrase being saved may wait longer
};

// The user dictionary, this thread's kept connection. The first open of a file in a process
// gives it the current layout when it has an older one; while that cannot be done, each
// later open tries again.
HeldDatabase OpenUserDictionary(const DictionarySet& dictionaries,
                                UserDictionaryUse use = UserDictionaryUse::phrases);
// "lmt_sx" or "lmt_zx".
std::string WordTable(CodeScheme scheme);
