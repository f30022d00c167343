// What tells one version of a file from another without opening it: one status call.
#pragma once

#include <cstdint>
#include <string>

struct FileStamp {
  bool exists = false;
  std::uint64_t device = 0;
  std::uint64_t node = 0;  // 0 on Windows, where the call gives none
  std::int64_t size = 0;
  std::int64_t modified = 0;
  std::int64_t created = 0;  // the creation time on Windows, the status change elsewhere
  // (times at the finest unit the system gives)

  bool operator==(const FileStamp& other) const {
    return exists == other.exists && device == other.device && node == other.node &&
           size == other.size && modified == other.modified && created == other.created;
  }
  bool operator!=(const FileStamp& other) const { return !(*this == other); }
};

// path is in the ANSI code page (GBK). A file that cannot be looked at reads as missing.
FileStamp StampOf(const std::string& path);
