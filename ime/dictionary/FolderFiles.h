// The few file operations the dictionary's backups need beyond SQLite, on ANSI (GBK) paths.
#pragma once

#include <string>
#include <vector>

// The names of the files in folder (a path ending in its separator); empty when it cannot
// be read.
std::vector<std::string> FileNamesIn(const std::string& folder);
bool IsFile(const std::string& path);
// Deletes the file; true when it is gone (or was never there).
bool DeleteFileAt(const std::string& path);
// Renames from to to, replacing a file of that name; false when it cannot (on Windows a file
// that another program holds open cannot be renamed).
bool MoveFileOver(const std::string& from, const std::string& to);
