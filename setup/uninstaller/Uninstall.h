// Removing an installation: everything the installer wrote except the user's phrases, which
// stay behind as the backup the next installation restores.
#pragma once

#include <windows.h>

#include <string>

// Removes the installation in installDir (with a trailing backslash). The dictionary
// package's files are those its manifest names, carried as the resource "FILES". True when
// running applications still hold the module, whose files then go at the next restart.
bool Uninstall(HINSTANCE instance, const std::string& installDir);
