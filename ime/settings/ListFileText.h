// The bytes the profile functions hand back from a list file ("adlist.ini", "intlist.ini"):
// lists of section or key names and the rotation interval (values are Trimmed). The file
// belongs to whoever installed it, so every byte here is untrusted.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The zero-separated names of a profile list of length bytes (the profile functions end it
// with two zero bytes); an empty name ends the list.
std::vector<std::string> SplitNames(const char* buffer, std::size_t length);

// A whole number of seconds of at most a day, at least one (a smaller number counts as
// one); false for anything else (signs, letters, overflow, nothing), leaving *seconds as
// it was.
bool ParseSeconds(const std::string& text, int* seconds);
