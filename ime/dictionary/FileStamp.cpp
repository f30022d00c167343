#include "ime/dictionary/FileStamp.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace {

#ifdef _WIN32
std::int64_t Ticks(const FILETIME& time) {
  return static_cast<std::int64_t>((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) |
                                   time.dwLowDateTime);
}
#else
std::int64_t Nanoseconds(const timespec& time) {
  return static_cast<std::int64_t>(time.tv_sec) * 1000000000 + time.tv_nsec;
}
#endif

}  // namespace

FileStamp StampOf(const std::string& path) {
  FileStamp stamp;
#ifdef _WIN32
  // The times in 100 ns units: a copy over the file within the same second still shows.
  WIN32_FILE_ATTRIBUTE_DATA status;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &status)) return stamp;
  stamp.size = static_cast<std::int64_t>((static_cast<std::uint64_t>(status.nFileSizeHigh) << 32) |
                                         status.nFileSizeLow);
  stamp.modified = Ticks(status.ftLastWriteTime);
  stamp.created = Ticks(status.ftCreationTime);
#else
  struct stat status;
  if (stat(path.c_str(), &status) != 0) return stamp;
  stamp.device = static_cast<std::uint64_t>(status.st_dev);
  stamp.node = static_cast<std::uint64_t>(status.st_ino);
  stamp.size = static_cast<std::int64_t>(status.st_size);
  stamp.modified = Nanoseconds(status.st_mtim);
  stamp.created = Nanoseconds(status.st_ctim);
#endif
  stamp.exists = true;
  return stamp;
}
