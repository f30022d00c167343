#include "setup/dictpackage/InstallFiles.h"

#include <windows.h>

namespace {

const char kTemporarySuffix[] = ".lmtnew";

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

bool InstallFiles(const std::string& dir, const std::vector<PayloadFile>& files) {
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
  for (const PayloadFile* file : toWrite) {
    const std::string target = dir + file->name;
    if (!MoveFileExA((target + kTemporarySuffix).c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      DeleteFileA((target + kTemporarySuffix).c_str());
      ok = false;
    }
  }
  return ok;
}
