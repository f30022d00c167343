// Paths in the ANSI code page (GBK): a backslash byte may be the second byte of a Chinese
// character, so separators are found character by character.
#pragma once

#include <string>

// True for a path from a drive's root (C:\...) or a network share (\\server\...).
bool IsFullPath(const std::string& path);

// The position of the last path separator ('\', '/' or ':'), or npos.
std::string::size_type LastSeparator(const std::string& path);

// path with one trailing backslash (none added when it already ends in one).
std::string WithTrailingBackslash(std::string path);

// The folder part of a file path, with its trailing backslash; empty when there is none.
std::string FolderOf(const std::string& path);

// The file-name part of a path.
std::string FileNameOf(const std::string& path);
