// Writes the dictionary files into a directory so that no file is ever left half written.
#pragma once

#include <string>
#include <vector>

#include "setup/dictpackage/PackagePayload.h"

// Files that hold the user's own data or choices — the user dictionary and the list files —
// are written only when absent, never replaced or emptied.
bool IsKeptWhenPresent(const std::string& name);

// Writes the files below dir (with a trailing backslash; names may start with one folder,
// "lumatoridb\"), creating the folders. Every file is first written to a temporary name
// beside its target and, once all are complete, moved over its target. On failure nothing
// is replaced and the temporary files are removed; the result is false. When another
// program holds files that would be replaced (an application with the input method
// loaded keeps its dictionaries open until it has been idle a while), nothing is written,
// and held, when given, receives their names as in files.
bool InstallFiles(const std::string& dir, const std::vector<PayloadFile>& files,
                  std::vector<std::string>* held = nullptr);
