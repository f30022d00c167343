// The web addresses of the deployment and the building of a search address from a query.
// Queries are GBK bytes; they reach the address percent-encoded (%D6%D0 for 中), so the
// page told ie=GB2312 receives exactly those bytes whatever the browser's own encoding.
#pragma once

#include <string>
#include <string_view>

// Web-search address = prefix + encoded query + suffix.
extern const char kWebSearchPrefix[];
extern const char kWebSearchSuffix[];
// The search page with an empty query; always opened unchanged.
extern const char kSearchPageLink[];
extern const char kHomePageLink[];
// Where the typing-practice program can be downloaded.
extern const char kTypingPracticeDownload[];

// The query of a text: cut to its display length (without a record's "\r" + code + "\r")
// and to at most 64 bytes on a character boundary. customPrefix, when not empty, is put in
// front of the text first.
std::string SearchQuery(std::string_view customPrefix, std::string_view text);

std::string WebSearchAddress(std::string_view query);

// The address for a list entry's link: the search-page link unchanged, otherwise every
// "%s" replaced by the encoded query (a link without "%s" stays as it is). Only http and
// https addresses are opened: any other link (a program, a file, another scheme) gives the
// web-search address of the query, so that a list file cannot start a program.
std::string LinkAddress(std::string_view link, std::string_view query);
