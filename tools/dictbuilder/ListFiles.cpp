#include "tools/dictbuilder/ListFiles.h"

#include <fstream>
#include <stdexcept>

namespace dictbuilder {

namespace {

void WriteText(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out.flush()) throw std::runtime_error(path + ": cannot write");
}

}  // namespace

// Entries without a link search the web for their own text (the search address takes GB2312
// queries); links are plain ASCII addresses, so no GBK byte ever lands in an address.
std::string DefaultQueryListText() {
  return "[baseset]\r\n"
         "timeout=8\r\n"
         "\r\n"
         "[今日新闻]\r\n"
         "\r\n"
         "[天气预报]\r\n"
         "\r\n"
         "[成语词典]\r\n"
         "\r\n"
         "[汉典]\r\n"
         "link=https://www.zdic.net/\r\n";
}

std::string DefaultLinkListText() {
  return "[汉典]\r\n"
         "link=https://www.zdic.net/\r\n"
         "\r\n"
         "[维基百科]\r\n"
         "link=https://zh.wikipedia.org/\r\n"
         "\r\n"
         "[维基词典]\r\n"
         "link=https://zh.wiktionary.org/\r\n";
}

void WriteDefaultListFiles(const std::string& dir) {
  WriteText(dir + "/adlist.ini", DefaultQueryListText());
  WriteText(dir + "/intlist.ini", DefaultLinkListText());
}

}  // namespace dictbuilder
