#include "setup/common/ResourceBytes.h"

ResourceBytes FindResourceBytes(HMODULE module, LPCSTR name) {
  ResourceBytes bytes;
  HRSRC info = FindResourceA(module, name, MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  HGLOBAL handle = info ? LoadResource(module, info) : nullptr;
  bytes.data = handle ? LockResource(handle) : nullptr;
  bytes.size = bytes.data ? SizeofResource(module, info) : 0;
  return bytes;
}

std::vector<std::string> ResourceLines(HMODULE module, LPCSTR name) {
  std::vector<std::string> lines;
  const ResourceBytes bytes = FindResourceBytes(module, name);
  const char* text = static_cast<const char*>(bytes.data);
  std::string line;
  for (DWORD i = 0; i <= bytes.size; ++i) {
    if (i < bytes.size && text[i] != '\n' && text[i] != '\r') {
      line += text[i];
    } else if (!line.empty()) {
      lines.push_back(line);
      line.clear();
    }
  }
  return lines;
}
