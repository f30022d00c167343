// UTF-8 text of the input tables, split into characters.
#pragma once

#include <string>
#include <vector>

namespace dictbuilder {

bool IsValidUtf8(const std::string& text);
// The characters of valid UTF-8 text, each as its own UTF-8 string.
std::vector<std::string> SplitUtf8Characters(const std::string& text);

}  // namespace dictbuilder
