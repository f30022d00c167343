// Whether the updater checks now, and the check itself.
#pragma once

#include <string>

#include "setup/common/VersionNumber.h"
#include "setup/updater/UpdateManifest.h"

// The address of the update manifest from the settings; empty when none is configured or it
// is not an http or https address.
std::string UpdateAddress();

// Records today as the day of the last check; false when today was already recorded (or
// the record cannot be written), so that there is at most one check a day.
bool ClaimTodaysCheck();

// Fetches and reads the manifest; true with it when it names a version newer than
// installed.
bool FindNewerVersion(const std::string& address, VersionNumber installed,
                      UpdateManifest* manifest);
