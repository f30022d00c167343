// Separators in paths of the ANSI code page (GBK). A trail byte may be 0x5C, the byte of
// "\", so separators are found by walking characters, never by searching bytes.
#pragma once

#include <cstddef>
#include <string_view>

// The position of the last "\" or "/" that is a character of its own; npos when none.
std::size_t LastPathSeparator(std::string_view path);

// True when the last character of path is "\" or "/".
bool EndsWithPathSeparator(std::string_view path);

// True for a path from the root of a drive ("C:\...", or "C:" alone) or of a server
// ("\\server\..."): any other would be taken relative to the current folder.
bool IsAbsolutePath(std::string_view path);
