#include "setup/dictpackage/PackagePayload.h"

#include "setup/common/ResourceBytes.h"

bool ReadPayload(HMODULE module, std::vector<PayloadFile>* files) {
  files->clear();
  for (const std::string& name : ResourceLines(module, "FILES")) {
    const WORD id = static_cast<WORD>(files->size() + 1);
    const ResourceBytes bytes = FindResourceBytes(module, MAKEINTRESOURCEA(id));
    if (!bytes.data) return false;
    files->push_back({name, bytes.data, bytes.size});
  }
  return !files->empty();
}
