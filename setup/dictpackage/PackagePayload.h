// The dictionary files a package program carries as resources of its own file: a manifest
// (RCDATA "FILES", one file name a line) and the files as RCDATA 1, 2, ... in its order.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct PayloadFile {
  std::string name;
  const void* data;
  DWORD size;
};

// The files carried by module; false when the manifest or a listed file is missing.
bool ReadPayload(HMODULE module, std::vector<PayloadFile>* files);
