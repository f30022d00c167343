// Dictionary files for the lookup tests, written with SQLite directly and keyed like the
// module's files. Texts are stored as bound values, byte for byte.
#pragma once

#include <string>
#include <vector>

#include "tests/native/KeyedDatabaseFiles.h"

struct DictionaryRow {
  std::string text;  // hzcode, GBK
  std::string code;  // mbcode
};

// Adds the table (mbcode text, hzcode text) to the keyed file at path, creating the file
// when needed, and inserts the rows in order.
void AddDictionaryTable(const std::string& path, const std::string& table,
                        const std::vector<DictionaryRow>& rows);

// Runs statements on the keyed file at path.
void RunOnDictionary(const std::string& path, const std::vector<std::string>& statements);
