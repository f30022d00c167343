#include "tools/dictbuilder/CodeDocuments.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>
#include <utility>
#include <vector>

namespace dictbuilder {

namespace {

const char* Heading(CodeScheme scheme) {
  return scheme == CodeScheme::sx
             ? "声型编码查询表\r\n"
               "编码：自然码双拼的两个字母，加五笔86全码的第一个和最后一个字母。\r\n"
               "每行：汉字、最常用读音的编码，其后为其他读音的编码。\r\n"
             : "字型编码查询表（五笔86）\r\n"
               "每行：汉字、全码，其后为简码。\r\n";
}

}  // namespace

std::string CodeDocumentText(const SchemeTables& tables, CodeScheme scheme) {
  // (full code, character) -> line, so that the document reads in code order.
  std::vector<std::pair<std::string, std::string>> lines;
  for (const auto& [character, codes] : tables.characterCodes) {
    if (codes.empty()) continue;
    std::string line = character;
    for (const std::string& code : codes) line += "\t" + code;
    lines.emplace_back(codes.front() + '\0' + character, line);
  }
  std::sort(lines.begin(), lines.end());
  std::string text = Heading(scheme);
  text += "\r\n";
  for (const auto& line : lines) text += line.second + "\r\n";
  return text;
}

void WriteCodeDocument(const std::string& path, const SchemeTables& tables, CodeScheme scheme) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << CodeDocumentText(tables, scheme);
  if (!out.flush()) throw std::runtime_error(path + ": cannot write");
}

}  // namespace dictbuilder
