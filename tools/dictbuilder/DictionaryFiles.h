// The database files of the dictionary directory.
//
// System files ("lmtsys_" + initial + ".db") hold lmt_sx and lmt_zx for the codes that
// begin with that initial. The lookup asks for a code's prefix range ordered by
// (length(mbcode), mbcode) with a limit of 999. Each table therefore carries a covering
// index on exactly that order, followed by the rank column seq; with the statistics
// ANALYZE stores in the file, SQLite reads that index by skip-scan (one seek per code
// length) in the requested order and stops at the limit, instead of sorting every
// matching row. Rows are stored (seq, the rowid) most frequent first: the more frequent
// entry comes first within one code, and word association, which reads rows in the
// table's own order, lists the more frequent phrases first.
#pragma once

#include <string>
#include <vector>

#include "tools/dictbuilder/DictEntry.h"

namespace dictbuilder {

void WriteSystemFile(const std::string& path, const std::vector<DictEntry>& sx,
                     const std::vector<DictEntry>& zx);
// "lmtsys_User.db": empty lmt_sx and lmt_zx of exactly the columns mbcode, hzcode, in the
// module's current user dictionary layout (covering lookup indexes).
void WriteUserFile(const std::string& path);
// "lmtsys_ODD.db": odd_sx and odd_zx, each character's full code in its first row.
void WriteReverseFile(const std::string& path, const SchemeTables& sx, const SchemeTables& zx);

// All of the above into dir (which must exist); returns the file names written.
std::vector<std::string> WriteDictionaryFiles(const std::string& dir, const SchemeTables& sx,
                                              const SchemeTables& zx);

}  // namespace dictbuilder
