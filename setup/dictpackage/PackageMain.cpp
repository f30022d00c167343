// The dictionary package ("lumatori.exe"): installs the dictionary set it carries into
// "lumatoridb\" of the installation directory, and the default list files beside it. The
// installation directory is the package's own, or the one given as its only argument. A
// user dictionary found damaged is moved aside and its readable phrases carried into the
// fresh one; the exit code then tells how many (setup/common/PackageResult.h). While another
// program holds dictionary files open, nothing is replaced and the exit code says so.
#include <windows.h>

#include <cstdio>
#include <string>

#include "setup/common/PackageResult.h"
#include "setup/dictpackage/PackagePayload.h"
#include "setup/dictpackage/UserDictionaryRecovery.h"

namespace {

std::string OwnDirectory() {
  char path[MAX_PATH];
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return std::string();
  std::string dir(path, length);
  return dir.substr(0, dir.find_last_of('\\') + 1);
}

}  // namespace

int main(int argc, char** argv) {
  std::string installDir = argc > 1 ? argv[1] : OwnDirectory();
  if (installDir.empty()) return 2;
  if (installDir.back() != '\\' && installDir.back() != '/') installDir += '\\';

  std::vector<PayloadFile> files;
  if (!ReadPayload(GetModuleHandleA(nullptr), &files)) {
    std::fprintf(stderr, "lumatori: the dictionary payload is missing or damaged\n");
    return 3;
  }
  const DictionaryInstallation done = InstallDictionaries(installDir, files);
  if (!done.held.empty()) {
    for (const std::string& name : done.held)
      std::fprintf(stderr, "lumatori: %s%s is held open by another program\n", installDir.c_str(),
                   name.c_str());
    return static_cast<int>(kDictionariesHeld);
  }
  if (!done.written) {
    std::fprintf(stderr, "lumatori: cannot write the dictionaries below %s (error %lu)\n",
                 installDir.c_str(), GetLastError());
    return 1;
  }
  if (done.damagedCopy.empty()) return 0;
  return static_cast<int>(kPhrasesRecoveredBase + static_cast<DWORD>(done.recovered));
}
