#include "setup/installer/PayloadFiles.h"

#include "setup/common/ResourceBytes.h"

namespace {

// A target opened for writing; created tells whether the open made the file.
struct OpenTarget {
  HANDLE file = INVALID_HANDLE_VALUE;
  bool created = false;
};

OpenTarget OpenForWriting(const std::string& path) {
  NativeFileSystem native;
  OpenTarget target;
  target.file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  target.created = target.file != INVALID_HANDLE_VALUE && GetLastError() != ERROR_ALREADY_EXISTS;
  return target;
}

bool ReplaceContent(HANDLE file, const ResourceBytes& bytes) {
  DWORD written = 0;
  return SetFilePointer(file, 0, nullptr, FILE_BEGIN) == 0 && SetEndOfFile(file) &&
         WriteFile(file, bytes.data, bytes.size, &written, nullptr) && written == bytes.size;
}

}  // namespace

std::vector<PayloadTarget> SystemFileTargets(const SystemFolders& folders, const char* file,
                                             const char* resource32, const char* resource64) {
  std::vector<PayloadTarget> targets;
  if (!folders.is64BitWindows) {
    targets.push_back({resource32, folders.native.empty() ? "" : folders.native + file});
    return targets;
  }
  targets.push_back({resource64, folders.native.empty() ? "" : folders.native + file});
  if (!folders.x86.empty()) targets.push_back({resource32, folders.x86 + file});
  return targets;
}

bool WritePayload(HINSTANCE instance, const PayloadTarget& target) {
  return WriteAllPayloads(instance, {target});
}

bool WriteAllPayloads(HINSTANCE instance, const std::vector<PayloadTarget>& targets) {
  std::vector<ResourceBytes> contents;
  for (const PayloadTarget& target : targets) {
    contents.push_back(FindResourceBytes(instance, target.resource));
    if (!contents.back().data || target.path.empty()) return false;
  }
  std::vector<OpenTarget> opened;
  bool ok = true;
  for (const PayloadTarget& target : targets) {
    opened.push_back(OpenForWriting(target.path));
    if (opened.back().file == INVALID_HANDLE_VALUE) {
      ok = false;
      break;
    }
  }
  for (size_t i = 0; i < opened.size(); ++i) {
    if (opened[i].file == INVALID_HANDLE_VALUE) continue;
    if (ok) ok = ReplaceContent(opened[i].file, contents[i]);
    CloseHandle(opened[i].file);
    if (!ok && opened[i].created) {
      NativeFileSystem native;
      DeleteFileA(targets[i].path.c_str());
    }
  }
  return ok;
}
