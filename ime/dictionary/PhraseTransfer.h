// The user's phrases in and out as text: export of both schemes to a UTF-8 list, and
// import of a list a user brings (PhraseImportFile) in one transaction.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "ime/dictionary/DictionaryFiles.h"
#include "ime/dictionary/PhraseImportFile.h"

struct ImportOutcome {
  ImportFileFault fault = ImportFileFault::kNone;  // the file refused whole: nothing written
  std::size_t added = 0;
  std::size_t skipped = 0;  // pairs stored already, or listed twice
  std::vector<std::size_t> invalidLines;  // ascending, each once
};

// Adds the file's phrases: those of lines naming no scheme to the active one, phrase-only
// lines coded by the phrase-code rule of their scheme. The user dictionary is backed up
// first (as the backup of today); then every phrase goes in in one transaction, so a
// failure (raised as ESQLiteException) leaves the dictionary as it was. Nothing is written
// when the file holds no phrase to add.
ImportOutcome ImportUserPhrases(const DictionarySet& dictionaries, std::string_view fileBytes,
                                const std::string& today);

struct ExportedPhrases {
  std::string text;  // UTF-8
  std::size_t count = 0;
};

// A header comment, then "phrase<TAB>code<TAB>scheme" a line: the zx phrases, then the sx
// ones, each in the order they were added. Importing it into an empty user dictionary
// gives the same phrases, codes and order.
ExportedPhrases ExportUserPhrases(const DictionarySet& dictionaries);
