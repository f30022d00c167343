#include "tools/dictbuilder/PunctuationCodes.h"

namespace dictbuilder {

SchemeTables WithZxPunctuationCodes(SchemeTables zx) {
  zx.entries.push_back({",", "，"});
  zx.entries.push_back({";", "；"});
  return zx;
}

}  // namespace dictbuilder
