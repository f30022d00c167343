// The phrase lists a user imports: the bytes of a file they picked, read as untrusted. Lines
// may be in our export layout (phrase<TAB>code<TAB>scheme), phrase<TAB>code, the layout of
// plain Wubi tables (code phrase [phrase ...]) or a phrase alone, whose code is derived
// later by the phrase-code rule. The file may be UTF-8 (with or without a byte-order mark),
// UTF-16 with a byte-order mark, or GBK; every phrase comes out in GBK.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "ime/dictionary/PhraseCodeRule.h"

// Larger files are refused whole, before anything is read from them into memory: a phrase
// list of 100,000 lines is a few megabytes.
inline constexpr std::size_t kMaxImportFileBytes = 16u << 20;
// Longer lines, in the file's own bytes, are refused without being looked at further.
inline constexpr std::size_t kMaxImportLineBytes = 1024;
// The longest phrase the phrase dialog stores (bytes of GBK text).
inline constexpr std::size_t kMaxPhraseBytes = 64;

// Why a whole file is refused; nothing of it is imported.
enum class ImportFileFault {
  kNone,
  kTooLarge,  // over kMaxImportFileBytes
  kNotText,   // binary bytes, or text in none of the encodings read
};

// Why one line is refused.
enum class ImportLineFault {
  kLineTooLong,     // over kMaxImportLineBytes
  kNotGbk,          // a character GBK cannot hold
  kPhraseTooLong,   // over kMaxPhraseBytes
  kBadCode,         // a character no scheme's codes use, or longer than the scheme allows
  kUnknownScheme,   // a third field other than "zx" or "sx"
  kUnknownLayout,   // a line of more than three fields
  kNoCode,          // a phrase alone without a Chinese character to derive its code from
};

struct ImportEntry {
  std::size_t line;  // 1-based
  CodeScheme scheme;
  std::string text;  // GBK
  std::string code;  // empty: to be derived by the scheme's phrase-code rule
};

struct ImportLineError {
  std::size_t line;
  ImportLineFault fault;
};

struct ParsedImport {
  ImportFileFault fault = ImportFileFault::kNone;
  std::vector<ImportEntry> entries;  // in file order
  std::vector<ImportLineError> errors;  // in file order
};

// Reads the file's bytes; lines that name no scheme go to activeScheme. Blank lines and
// lines starting with "#" are skipped.
ParsedImport ParseImportFile(std::string_view bytes, CodeScheme activeScheme);
