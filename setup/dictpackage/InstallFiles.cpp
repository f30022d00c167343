#include "setup/dictpackage/InstallFiles.h"

#include <windows.h>

#include "setup/common/HeldFiles.h"

namespace {

const char kTemporarySuffix[] = ".lmtnew";
// An old file moved aside while the new ones take its place.
const char kOldSuffix[] = ".lmtold";

bool WriteWholeFile(const std::string& path, const void* data, DWORD size) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool complete = WriteFile(file, data, size, &written, nullptr) && written == size &&
                        FlushFileBuffers(file);
  return CloseHandle(file) && complete;
}

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool CreateFolder(const std::string& path) {
  return CreateDirectoryA(path.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

bool EndsWithNoCase(const std::string& text, const char* suffix) {
  const size_t length = lstrlenA(suffix);
  return text.size() >= length && lstrcmpiA(text.c_str() + text.size() - length, suffix) == 0;
}

}  // namespace

bool IsKeptWhenPresent(const std::string& name) {
  const std::string file = name.substr(name.find_last_of('\\') + 1);
  return lstrcmpiA(file.c_str(), "lmtsys_User.db") == 0 || EndsWithNoCase(file, ".ini");
}

bool InstallFiles(const std::string& dir, const std::vector<PayloadFile>& files,
                  std::vector<std::string>* held) {
  if (!CreateFolder(dir)) return false;
  std::vector<const PayloadFile*> toWrite;
  for (const PayloadFile& file : files) {
    const size_t folderEnd = file.name.find('\\');
    if (folderEnd != std::string::npos && !CreateFolder(dir + file.name.substr(0, folderEnd))) {
      return false;
    }
    if (IsKeptWhenPresent(file.name) && FileExists(dir + file.name)) continue;
    toWrite.push_back(&file);
  }
  std::vector<std::string> inUse;
  for (const PayloadFile* file : toWrite) {
    if (FileIsHeld(dir + file->name)) inUse.push_back(file->name);
  }
  if (!inUse.empty()) {
    if (held) *held = inUse;
    SetLastError(ERROR_SHARING_VIOLATION);
    return false;
  }

  bool ok = true;
  size_t written = 0;
  for (; ok && written < toWrite.size(); ++written) {
    const PayloadFile& file = *toWrite[written];
    ok = WriteWholeFile(dir + file.name + kTemporarySuffix, file.data, file.size);
  }
  if (!ok) {
    for (size_t i = 0; i < written; ++i) DeleteFileA((dir + toWrite[i]->name + kTemporarySuffix).c_str());
    return false;
  }
  // The old files are moved aside first: should a program open one after the check above,
  // its move fails before any file has been replaced, and every moved file goes back.
  std::vector<std::string> movedAside;
  for (const PayloadFile* file : toWrite) {
    const std::string target = dir + file->name;
    if (!FileExists(target)) continue;
    if (!MoveFileExA(target.c_str(), (target + kOldSuffix).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      ok = false;
      if (held && FileIsHeld(target)) held->push_back(file->name);
      break;
    }
    movedAside.push_back(target);
  }
  size_t movedIn = 0;
  while (ok && movedIn < toWrite.size()) {
    const std::string target = dir + toWrite[movedIn]->name;
    ok = MoveFileExA((target + kTemporarySuffix).c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
    if (ok) ++movedIn;
  }
  if (!ok) {
    // The new files already in place go back out (no program has had them yet), then the
    // old ones return.
    for (size_t i = 0; i < toWrite.size(); ++i) {
      const std::string target = dir + toWrite[i]->name;
      if (i < movedIn) {
        MoveFileExA(target.c_str(), (target + kTemporarySuffix).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
      }
      DeleteFileA((target + kTemporarySuffix).c_str());
    }
  }
  for (const std::string& target : movedAside) {
    if (ok)
      DeleteFileA((target + kOldSuffix).c_str());
    else
      MoveFileExA((target + kOldSuffix).c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
  }
  return ok;
}
