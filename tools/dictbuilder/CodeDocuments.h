// The code-lookup documents "sxzd.txt" and "zxzd.txt": GBK text with CR LF line ends,
// opened by the user in a text viewer to find a character's code. One line a character,
// in the order of its full code: the character, its full code, then its other codes.
#pragma once

#include <string>

#include "ime/dictionary/PhraseCodeRule.h"
#include "tools/dictbuilder/DictEntry.h"

namespace dictbuilder {

std::string CodeDocumentText(const SchemeTables& tables, CodeScheme scheme);
void WriteCodeDocument(const std::string& path, const SchemeTables& tables, CodeScheme scheme);

}  // namespace dictbuilder
