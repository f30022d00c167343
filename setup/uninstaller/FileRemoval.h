// Removing the installation's files, also those that running programs still hold.
#pragma once

#include <string>

enum class Removal {
  kGone,       // deleted, or there was no such file
  kAtRestart,  // held by a running program: deleted at the next restart
  kKept,       // could not be deleted, now or at the next restart
};

// Deletes the file. A file that a running program holds (a module loaded by applications,
// the uninstaller itself) is moved into the temp folder, so that its name and folder are
// free at once, and deleted at the next restart. Paths in the native system directory are
// reached from 32-bit programs as well.
Removal RemoveFileNowOrAtRestart(const std::string& path);
