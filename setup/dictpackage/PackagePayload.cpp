#include "setup/dictpackage/PackagePayload.h"

namespace {

bool FindResourceBytes(HMODULE module, LPCSTR name, const void** data, DWORD* size) {
  HRSRC info = FindResourceA(module, name, MAKEINTRESOURCEA(10) /* RT_RCDATA */);
  HGLOBAL handle = info ? LoadResource(module, info) : nullptr;
  *data = handle ? LockResource(handle) : nullptr;
  *size = info ? SizeofResource(module, info) : 0;
  return *data != nullptr;
}

}  // namespace

bool ReadPayload(HMODULE module, std::vector<PayloadFile>* files) {
  files->clear();
  const void* manifest = nullptr;
  DWORD manifestSize = 0;
  if (!FindResourceBytes(module, "FILES", &manifest, &manifestSize)) return false;
  const char* text = static_cast<const char*>(manifest);
  std::string line;
  for (DWORD i = 0; i <= manifestSize; ++i) {
    if (i < manifestSize && text[i] != '\n' && text[i] != '\r') {
      line += text[i];
      continue;
    }
    if (line.empty()) continue;
    PayloadFile file{line, nullptr, 0};
    const WORD id = static_cast<WORD>(files->size() + 1);
    if (!FindResourceBytes(module, MAKEINTRESOURCEA(id), &file.data, &file.size)) return false;
    files->push_back(file);
    line.clear();
  }
  return !files->empty();
}
