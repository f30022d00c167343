// Handing text to the web browser: the web-search address of a text, or a list entry's
// link.
#pragma once

#include <windows.h>

#include <cstddef>

// text: GBK, zero-terminated, or nullptr. An entry's link (linkLength > 0) is opened as a
// pattern for the text; otherwise the text is searched, with the custom search string in
// front in custom search mode (never for entries).
void WebSearch(const char* text, bool isEntry, const char* link, std::size_t linkLength);

// Searches for the text of entry index of a candidate list (after its marker byte).
struct CandidateList;
void SearchCandidate(const CandidateList* list, unsigned index);
