// Writing the payload resources of the installer's own file to their places.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "setup/common/SystemFolders.h"

// One file of the payload and the place it goes to.
struct PayloadTarget {
  const char* resource;
  std::string path;
};

// The places of a file that exists once per architecture of the machine: on 64-bit Windows
// the 64-bit build (resource64) in the native system directory and the 32-bit build
// (resource32) in the 32-bit one when the machine has it; on 32-bit Windows the 32-bit build
// in the system directory.
std::vector<PayloadTarget> SystemFileTargets(const SystemFolders& folders, const char* file,
                                             const char* resource32, const char* resource64);

// Writes the resource whole to the target, replacing the file. False when the resource is
// absent or the file cannot be written.
bool WritePayload(HINSTANCE instance, const PayloadTarget& target);

// Writes every target or none: all files are opened for writing before any is changed, so a
// file that a running application holds leaves the others as they were.
bool WriteAllPayloads(HINSTANCE instance, const std::vector<PayloadTarget>& targets);
