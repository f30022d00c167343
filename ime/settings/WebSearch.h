// Handing text to the web browser: the web-search address of a text, or a list entry's
// link.
#pragma once

#include <cstddef>
#include <string>

// Searches the web for text (GBK) after prefix (the custom search string in custom search
// mode, else empty).
void SearchWeb(const std::string& prefix, const std::string& text);

// A list entry: its link (linkLength > 0) is opened as a pattern for its text; an entry
// without a link searches its text. text: GBK, zero-terminated, or nullptr.
void OpenListEntry(const char* text, const char* link, std::size_t linkLength);
