// Fetching a small document over HTTP.
#pragma once

#include <cstddef>
#include <string>

// Fetches address (http or https) into body, refusing anything larger than maxBytes. False
// on any failure: no network, a time-out, a status other than 200, a body too large.
bool FetchSmallDocument(const std::string& address, std::size_t maxBytes, std::string* body);
