// The update manifest the updater fetches: a few lines of text,
//   version=1.2.0.0
//   page=https://example.org/lumatori/download
// naming the newest version and the page it is downloaded from. Bytes from the network:
// read strictly, free of the Windows API.
#pragma once

#include <cstddef>
#include <string>

#include "setup/common/VersionNumber.h"

// The most the updater reads of a manifest.
inline constexpr std::size_t kMaxManifestBytes = 4096;

struct UpdateManifest {
  VersionNumber version = 0;
  std::string page;
};

// Reads "key=value" lines (blank lines and lines starting with '#' skipped, spaces around
// keys and values ignored, keys in any letter case, a leading UTF-8 byte-order mark
// allowed). False unless "version" is a version number and "page" an http or https address
// of printable ASCII characters.
bool ParseUpdateManifest(const char* bytes, std::size_t size, UpdateManifest* manifest);

// True for an http:// or https:// address of at most 1024 printable ASCII characters.
bool IsWebAddress(const std::string& text);
