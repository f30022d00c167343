// Files another program keeps open, as SQLite keeps every dictionary file it has open:
// Windows refuses to replace, rename or delete such a file until it is closed.
#pragma once

#include <string>
#include <vector>

// Whether the file at path is open in some program that does not let it be deleted.
bool FileIsHeld(const std::string& path);

// The names of the files in folder (with its trailing backslash) that match pattern, such as
// "*.db", and are held.
std::vector<std::string> HeldFilesIn(const std::string& folder, const char* pattern);
