// Default list files of the installation directory, INI text in GBK: "adlist.ini" (the
// query list: a "baseset" section with the rotation "timeout" in seconds, then one
// section per entry) and "intlist.ini" (the link list: one section per entry). An
// entry's section name is its text; its optional key "link" is an address, in which
// "%s" stands for the entry's text.
#pragma once

#include <string>

namespace dictbuilder {

std::string DefaultQueryListText();
std::string DefaultLinkListText();
// Writes both files into dir.
void WriteDefaultListFiles(const std::string& dir);

}  // namespace dictbuilder
