// Dictionary files for the tests, written with SQLite directly and keyed like the module's
// files. Texts are stored as bound values, byte for byte.
#pragma once

#include <string>
#include <vector>

#include "tests/native/KeyedDatabaseFiles.h"

struct DictionaryRow {
  std::string text;  // hzcode, GBK
  std::string code;  // mbcode
};

// Rows of one table in one dictionary file, e.g. {"lmtsys_a.db", "lmt_zx", {{"工", "a"}}}.
struct DictionaryFileRows {
  std::string file;
  std::string table;  // lmt_zx or lmt_sx
  std::vector<DictionaryRow> rows;
};

// Writes the files into folder (a path ending in its separator), each with both tables.
void WriteDictionaryFiles(const std::string& folder, const std::vector<DictionaryFileRows>& files);
// The same, and an empty user dictionary "lmtsys_User.db" unless the files name it.
void WriteDictionaryFolder(const std::string& folder, const std::vector<DictionaryFileRows>& files);

// The zx dictionaries of the key tests: twelve candidates for "a", two for "ab", two full
// codes "aaaa", a single one for "b" and for ",", and two for "zg", 中国 first, with two
// continuations.
std::vector<DictionaryFileRows> KeyTestRows();

// Adds the table (mbcode text, hzcode text) to the keyed file at path, creating the file
// when needed, and inserts the rows in order.
void AddDictionaryTable(const std::string& path, const std::string& table,
                        const std::vector<DictionaryRow>& rows);

// Runs statements on the keyed file at path.
void RunOnDictionary(const std::string& path, const std::vector<std::string>& statements);
