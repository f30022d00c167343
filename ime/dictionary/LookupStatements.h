// The statements of the candidate lookup and the word association. Their text depends only
// on the table, so a connection prepares each once and binds the code or text at each key.
#pragma once

#include <string>

#include "ime/dictionary/SqlText.h"

// At most this many rows are read from each file in one lookup.
constexpr int kLookupRowsPerFile = 999;

// (hzcode, mbcode) of every code in table (lmt_sx or lmt_zx) that begins with code: the
// shortest codes first, codes of one length in byte order, the rows of one code in the
// table's own order (the system files keep the more frequent entry first, the user file
// the order added); at most kLookupRowsPerFile rows.
BoundSql CodeLookupStatement(const std::string& table, const std::string& code);

// (hzcode, mbcode) of every row of table whose text begins with the bytes of committed,
// in the table's own order: the system files keep their rows most frequent first, the
// user file keeps them in the order they were added. The order is stated, so that no
// index a file carries can turn it into the order of the text.
BoundSql AssociationStatement(const std::string& table, const std::string& committed);
