// The installation's entry in the system's list of installed programs.
#pragma once

#include <string>

#include "setup/common/SystemFolders.h"

// Writes the entry: name, version, publisher, icon, size and the uninstall commands of the
// uninstaller in installDir (which ends in a backslash). False when it cannot be written.
bool WriteInstalledProgramsEntry(const std::string& installDir, const SystemFolders& folders);
