// The zx tables from the Wubi 86 table: every row as a candidate entry under its own
// code, and each character's codes for the reverse table.
#pragma once

#include <map>
#include <string>

#include "tools/dictbuilder/DictEntry.h"
#include "tools/dictbuilder/RimeDict.h"

namespace dictbuilder {

// UTF-8 character -> its full code: the longest of its codes, the more frequent of two
// equally long ones.
using FullCodes = std::map<std::string, std::string>;

FullCodes WubiFullCodes(const RimeDict& wubi);
SchemeTables BuildZxTables(const RimeDict& wubi, const FullCodes& fullCodes, BuildStats& stats);

}  // namespace dictbuilder
