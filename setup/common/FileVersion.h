// The fixed file-version block of a file's version resource.
#pragma once

#include <windows.h>

#include "setup/common/VersionNumber.h"

using TFileVersionInfo = VS_FIXEDFILEINFO;

// Reads the block of the file at path; false when the file has no version resource.
bool ReadFileVersion(const char* path, TFileVersionInfo* info);

// The file version of this program's own file; 0 when it has none.
VersionNumber OwnFileVersion();
