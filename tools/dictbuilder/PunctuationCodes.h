// The zx codes of the Chinese comma and semicolon. In zx "," and ";" are code letters, so
// the keys reach the lookup as codes; each is the whole code of its punctuation mark, which
// then is the sole candidate and is typed at once.
#pragma once

#include "tools/dictbuilder/DictEntry.h"

namespace dictbuilder {

// The zx tables with the codes "," (，) and ";" (；) added.
SchemeTables WithZxPunctuationCodes(SchemeTables zx);

}  // namespace dictbuilder
