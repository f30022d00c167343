// Data resources (RT_RCDATA) of a program's own file.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct ResourceBytes {
  const void* data = nullptr;
  DWORD size = 0;
};

// The bytes of the RCDATA resource name of module; data is null when it is absent.
ResourceBytes FindResourceBytes(HMODULE module, LPCSTR name);

// The non-empty lines of a text resource (a list of names), in their order.
std::vector<std::string> ResourceLines(HMODULE module, LPCSTR name);
