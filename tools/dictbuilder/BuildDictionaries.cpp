#include "tools/dictbuilder/BuildDictionaries.h"

#include "tools/dictbuilder/CodeDocuments.h"
#include "tools/dictbuilder/DictionaryFiles.h"
#include "tools/dictbuilder/ListFiles.h"
#include "tools/dictbuilder/PinyinTable.h"
#include "tools/dictbuilder/PunctuationCodes.h"
#include "tools/dictbuilder/RimeDict.h"
#include "tools/dictbuilder/WubiTable.h"

namespace dictbuilder {

BuildReport BuildDictionaries(const BuildInputs& inputs) {
  BuildReport report;
  const RimeDict wubi = ReadRimeDict(inputs.wubiPath);
  const RimeDict pinyin = ReadRimeDict(inputs.pinyinPath);
  const FullCodes fullCodes = WubiFullCodes(wubi);
  const SchemeTables zx = WithZxPunctuationCodes(BuildZxTables(wubi, fullCodes, report.zx));
  const SchemeTables sx = BuildSxTables(pinyin, fullCodes, report.sx);
  report.files = WriteDictionaryFiles(inputs.dictionaryDir, sx, zx);
  WriteCodeDocument(inputs.dictionaryDir + "/sxzd.txt", sx, CodeScheme::sx);
  WriteCodeDocument(inputs.dictionaryDir + "/zxzd.txt", zx, CodeScheme::zx);
  report.files.push_back("sxzd.txt");
  report.files.push_back("zxzd.txt");
  WriteDefaultListFiles(inputs.listDir);
  return report;
}

std::string FormatStats(const std::string& scheme, const std::string& source,
                        const BuildStats& stats) {
  const size_t dropped = stats.notGbk + stats.badCode + stats.badReading;
  return scheme + " from " + source + ": read " + std::to_string(stats.read) + ", converted " +
         std::to_string(stats.converted) + ", dropped " + std::to_string(dropped) +
         " (not in GBK " + std::to_string(stats.notGbk) + ", code outside the scheme " +
         std::to_string(stats.badCode) + ", unusable reading " +
         std::to_string(stats.badReading) + "), duplicates merged " +
         std::to_string(stats.duplicates) +
         (stats.shortCodes ? ", syllable short codes " + std::to_string(stats.shortCodes) : "") +
         "\n";
}

}  // namespace dictbuilder
