// lmt_dictbuilder: makes the dictionary directory from open tables.
//   lmt_dictbuilder --wubi FILE --pinyin FILE --out DICTDIR [--lists DIR]
// DICTDIR receives the database files and code-lookup documents, DIR (default: the
// parent of DICTDIR) the default list files. Both directories must exist.
#include <cstdio>
#include <exception>
#include <string>

#include "tools/dictbuilder/BuildDictionaries.h"
#include "tools/dictbuilder/InputError.h"

namespace {

using namespace dictbuilder;

std::string ParentDir(const std::string& dir) {
  std::string path = dir;
  while (path.size() > 1 && (path.back() == '/' || path.back() == '\\')) path.pop_back();
  const size_t slash = path.find_last_of("/\\");
  if (slash == std::string::npos) return ".";
  return slash == 0 ? path.substr(0, 1) : path.substr(0, slash);
}

bool ParseArguments(int argc, char** argv, BuildInputs& inputs) {
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    const std::string value = argv[i + 1];
    if (option == "--wubi") inputs.wubiPath = value;
    else if (option == "--pinyin") inputs.pinyinPath = value;
    else if (option == "--out") inputs.dictionaryDir = value;
    else if (option == "--lists") inputs.listDir = value;
    else return false;
  }
  if (argc % 2 == 0) return false;
  if (inputs.wubiPath.empty() || inputs.pinyinPath.empty() || inputs.dictionaryDir.empty())
    return false;
  if (inputs.listDir.empty()) inputs.listDir = ParentDir(inputs.dictionaryDir);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace dictbuilder;
  BuildInputs inputs;
  if (!ParseArguments(argc, argv, inputs)) {
    std::fprintf(stderr,
                 "usage: lmt_dictbuilder --wubi FILE --pinyin FILE --out DICTDIR [--lists DIR]\n");
    return 2;
  }
  try {
    const BuildReport report = BuildDictionaries(inputs);
    std::fputs(FormatStats("zx", inputs.wubiPath, report.zx).c_str(), stdout);
    std::fputs(FormatStats("sx", inputs.pinyinPath, report.sx).c_str(), stdout);
    std::printf("wrote %s files into %s\n", std::to_string(report.files.size()).c_str(),
                inputs.dictionaryDir.c_str());
    return 0;
  } catch (const InputError& error) {
    std::fprintf(stderr, "lmt_dictbuilder: malformed input: %s\n", error.what());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "lmt_dictbuilder: %s\n", error.what());
  }
  return 1;
}
