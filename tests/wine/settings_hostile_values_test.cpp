// Hostile settings and files: every registry value the module reads stored with the wrong
// type, the wrong size, absent or huge; "SetupDir" naming a file, a missing drive, a
// relative or over-long path; list files that are binary, huge, without line ends, or
// locked by another process. Start-up must take the documented fallbacks, the real module
// must load and unload, and a lookup must run; every case in a child process, so that a
// crash is counted.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "ime/dictionary/CandidateLookup.h"
#include "ime/settings/CaretPlacement.h"
#include "ime/settings/Globals.h"
#include "ime/settings/Launch.h"
#include "ime/settings/ListFiles.h"
#include "tests/hostile/HostileFigures.h"
#include "tests/hostile/HostileValues.h"
#include "tests/native/KeyedDatabaseFiles.h"
#include "tests/wine/support/IsolatedCases.h"
#include "tests/wine/support/MessageBoxAnswerer.h"
#include "tests/wine/support/TestRegistry.h"

namespace {

struct StoredForm {
  DWORD type;
  std::string bytes;
};

// The forms a value takes, from absent (none) to far too large.
std::vector<StoredForm> StoredForms() {
  const DWORD ones = 0xFFFFFFFF;
  const unsigned long long big = ~0ull;
  return {{REG_NONE, std::string()},  // index 0: the value is absent
          {REG_SZ, std::string("1\0", 2)},
          {REG_SZ, std::string("\0", 1)},
          {REG_SZ, std::string(5000, 'x') + '\0'},
          {REG_EXPAND_SZ, std::string("%TEMP%\\lmt\0", 11)},
          {REG_MULTI_SZ, std::string("a\0b\0\0", 5)},
          {REG_BINARY, std::string()},
          {REG_BINARY, std::string("\x01", 1)},
          {REG_BINARY, std::string("\x01\x02\x03", 3)},
          {REG_BINARY, std::string(8, '\x7F')},
          {REG_BINARY, std::string(100000, '\xA5')},
          {REG_DWORD, std::string(reinterpret_cast<const char*>(&ones), 4)},
          {REG_DWORD_BIG_ENDIAN, std::string("\0\0\0\x01", 4)},
          {REG_QWORD, std::string(reinterpret_cast<const char*>(&big), 8)},
          {REG_NONE, std::string("\x01\0\0\0", 4)}};
}

struct ValueName {
  const char* key;
  const char* name;
  DWORD fallback;  // for a DWORD value; unused otherwise
};

const ValueName kValues[] = {
    {kSettingsKeyPath, "竖向排列", 1},     {kSettingsKeyPath, "光标跟随", 1},
    {kSettingsKeyPath, "‘键替2选码", 1},   {kSettingsKeyPath, "词语联想", 0},
    {kSettingsKeyPath, "。键替3选码", 1},  {kSettingsKeyPath, "默认检索", 1},
    {kSettingsKeyPath, "声型", 0},          {kCaretKeyPath, "Parallel Distance", 0},
    {kCaretKeyPath, "Perpendicular Distance", 0}, {kCaretKeyPath, "Perpendicular Tolerance", 0},
    {kSettingsKeyPath, "SetupDir", 0},      {kSettingsKeyPath, "打字练习", 0},
};
constexpr int kValueCount = sizeof kValues / sizeof kValues[0];

// The field of each DWORD value of kValues, in its order.
DWORD ImeGlobals::* const kDwordFields[] = {
    &ImeGlobals::verticalLayout,     &ImeGlobals::followCaret,
    &ImeGlobals::quoteSelectsSecond, &ImeGlobals::wordAssociation,
    &ImeGlobals::periodSelectsThird, &ImeGlobals::gb2312Only,
    nullptr,  // "声型" sets sxScheme
    &ImeGlobals::parallelDistance,   &ImeGlobals::perpendicularDistance,
    &ImeGlobals::perpendicularTolerance};

void Store(const char* key, const char* name, const StoredForm& form) {
  HKEY opened;
  RegCreateKeyExA(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &opened, nullptr);
  RegSetValueExA(opened, name, 0, form.type, reinterpret_cast<const BYTE*>(form.bytes.data()),
                 static_cast<DWORD>(form.bytes.size()));
  RegCloseKey(opened);
}

// The 4-byte field a stored form gives when the module reads it as a DWORD: its bytes when
// they fit (the type is not checked), the default otherwise.
DWORD DwordOf(const StoredForm& form, bool absent, DWORD fallback) {
  if (absent || form.bytes.size() > 4) return fallback;
  DWORD value = 0;
  std::memcpy(&value, form.bytes.data(), form.bytes.size());
  return value;
}

// A list-file content, by kind.
std::string ListFileContent(int kind) {
  HostileRandom random(static_cast<std::uint64_t>(kind));
  std::string content;
  switch (kind) {
    case 0:  // binary
      for (int i = 0; i < 65536; ++i) content += static_cast<char>(random.Below(256));
      return content;
    case 1:  // huge: many sections with long links
      for (int i = 0; i < 40000; ++i)
        content += "[entry" + std::to_string(i) + "]\r\nlink=" + std::string(300, 'l') + "%s\r\n";
      return content;
    case 2:  // no line ends at all
      for (int i = 0; i < 2000; ++i) content += "[a" + std::to_string(i) + "]link=x timeout=3 ";
      return content;
    case 3:  // names and values longer than the buffers
      return "[baseset]\r\ntimeout=" + std::string(5000, '9') + "\r\n[" + std::string(20000, 'n') +
             "]\r\nlink=" + std::string(5000, 'v') + "\r\n";
    case 4:  // hostile bytes in names, keys and values
      for (int i = 0; i < 300; ++i)
        content += "[" + HostileText(random, 40) + "]\r\n" + HostileText(random, 10) + "=" +
                   HostileText(random, 80) + "\r\nlink=" + HostileText(random, 80) + "\r\n";
      return content;
    default:  // timeouts of every shape
      return "[baseset]\r\ntimeout=-5\r\n[baseset]\r\ntimeout=0x10\r\n[baseset]\r\ntimeout=99999999999"
             "\r\n[BASESET]\r\ntimeout=1\r\n[q]\r\nLINK=  \t \r\n";
  }
}
constexpr int kListFileKinds = 6;

// What a lookup reaches: the installation folder with an empty dictionary folder.
struct Install {
  TempFolder folder;
  std::string Dir() const { return folder.File(""); }
};

void ExpectPath(std::vector<std::string>& broken, const char* what, const char* buffer) {
  if (!std::memchr(buffer, '\0', kPathBufferSize)) broken.push_back(std::string(what) + " unterminated");
}

// Start-up under the stored forms, its fallbacks checked, then a lookup, the link list, the
// typing-practice launcher and the real module's own start-up and shutdown.
std::vector<std::string> StartUp() {
  std::vector<std::string> broken;
  LoadCaretPlacement();
  LoadSettings();
  ExpectPath(broken, "installDir", globals.installDir);
  ExpectPath(broken, "dictionaryDir", globals.dictionaryDir);
  ExpectPath(broken, "linkListPath", globals.linkListPath);
  const std::string install = globals.installDir;
  if (install.empty() ? globals.dictionaryDir[0] != '\0'
                      : std::string(globals.dictionaryDir) != install + "lumatoridb\\")
    broken.push_back("dictionary folder " + std::string(globals.dictionaryDir));
  if (queryList.intervalSeconds < 0 || queryList.intervalSeconds > 86400)
    broken.push_back("rotation interval " + std::to_string(queryList.intervalSeconds));

  LookupCandidates("a", ActiveDictionaries(), {false, nullptr});
  LoadLinkList(globals.linkListPath);
  {
    MessageBoxAnswerer boxes;  // the download prompt, answered No (OK is not Yes)
    LaunchTypingPractice(nullptr);
  }
  HMODULE module = LoadLibraryA(BesideThisProgram("lumatori.ime").c_str());
  if (!module) broken.push_back("the module did not load");
  if (module && !FreeLibrary(module)) broken.push_back("the module did not unload");
  return broken;
}

// The fallbacks of one stored form of one value.
std::vector<std::string> ValueCase(int valueIndex, int formIndex, const Install& install) {
  const ValueName& value = kValues[valueIndex];
  const StoredForm form = StoredForms()[static_cast<size_t>(formIndex)];
  const bool absent = formIndex == 0;
  if (std::strcmp(value.name, "SetupDir") != 0) SetString(kSettingsKeyPath, "SetupDir", install.Dir());
  if (!absent) Store(value.key, value.name, form);
  std::vector<std::string> broken = StartUp();
  const bool perpendicular = std::strncmp(value.name, "Perpendicular", 13) == 0;
  const DWORD expected =
      DwordOf(form, absent, perpendicular ? static_cast<DWORD>(globals.charHeight) : value.fallback);
  if (valueIndex < 10 && kDwordFields[valueIndex] && globals.*kDwordFields[valueIndex] != expected)
    broken.push_back(std::string(value.name) + " read as " +
                     std::to_string(globals.*kDwordFields[valueIndex]));
  if (std::strcmp(value.name, "声型") == 0 && globals.sxScheme != (expected == 1 ? 1 : 0))
    broken.push_back("scheme " + std::to_string(globals.sxScheme));
  // No stored form is an absolute folder: the module is not installed.
  if (std::strcmp(value.name, "SetupDir") == 0 && globals.installDir[0] != '\0')
    broken.push_back("installed at " + std::string(globals.installDir));
  return broken;
}

// A file held open without sharing by another process (this program with "--hold"), for
// as long as this lives.
class HeldFile {
public:
  explicit HeldFile(const std::string& path) {
    std::string commandLine =
        "\"" + BesideThisProgram("hostile_settings.exe") + "\" --hold \"" + path + "\"";
    STARTUPINFOA startup = {sizeof startup};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_))
      return;
    for (int i = 0; i < 100; ++i) {  // until the file is held
      HANDLE probe = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
      if (probe == INVALID_HANDLE_VALUE) break;
      CloseHandle(probe);
      Sleep(20);
    }
  }
  ~HeldFile() {
    if (!process_.hProcess) return;
    TerminateProcess(process_.hProcess, 0);
    WaitForSingleObject(process_.hProcess, 5000);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
  }

private:
  PROCESS_INFORMATION process_ = {};
};

constexpr int kSetupDirKinds = 12;

// "SetupDir" naming what is no installation folder, or a folder whose dictionaries cannot
// be opened.
std::vector<std::string> SetupDirCase(int kind, const Install& install) {
  const std::string file = install.folder.File("a-file");
  std::ofstream(file) << "not a folder";
  if (kind == kSetupDirKinds - 2) {  // the dictionaries held by another process
    SetString(kSettingsKeyPath, "SetupDir", install.Dir());
    const std::string dictionary = install.folder.File("lumatoridb\\lmtsys_a.db");
    std::ofstream(dictionary) << "held";
    const HeldFile held(dictionary);
    return StartUp();
  }
  if (kind == kSetupDirKinds - 1) {  // a file in the dictionary folder's place
    SetString(kSettingsKeyPath, "SetupDir", install.Dir());
    RemoveDirectoryA(install.folder.File("lumatoridb").c_str());
    std::ofstream(install.folder.File("lumatoridb")) << "not a folder";
    return StartUp();
  }
  const std::vector<std::string> dirs = {
      file, "Q:\\missing\\drive\\", "relative\\folder", "C:", "\\\\", std::string(259, 'd'),
      "C:\\" + std::string(250, 'e'), install.folder.File("no-such-folder\\"),
      install.Dir() + std::string(300, 'x'), install.Dir() + "中文\xFF\x81",
  };
  SetString(kSettingsKeyPath, "SetupDir", dirs[static_cast<size_t>(kind)]);
  std::vector<std::string> broken = StartUp();
  // A path that is not absolute names no folder: nothing may be opened relative to the
  // application's current folder.
  const std::string dir = dirs[static_cast<size_t>(kind)];
  const bool absolute = (dir.size() >= 2 && dir[1] == ':' && (dir.size() == 2 || dir[2] == '\\')) ||
                        (dir.size() > 2 && dir[0] == '\\' && dir[1] == '\\');
  if (!absolute && globals.installDir[0] != '\0')
    broken.push_back("installed at " + std::string(globals.installDir));
  return broken;
}

// A list file of one kind as "adlist.ini" or "intlist.ini", or either held open by another
// process without sharing.
std::vector<std::string> ListFileCase(int kind, const Install& install) {
  SetString(kSettingsKeyPath, "SetupDir", install.Dir());
  const char* name = kind % 2 ? "intlist.ini" : "adlist.ini";
  const std::string path = install.folder.File(name);
  if (kind / 2 < kListFileKinds) {
    std::ofstream(path, std::ios::binary) << ListFileContent(kind / 2);
    return StartUp();
  }
  if (kind / 2 == kListFileKinds) {  // a folder in the file's place
    CreateDirectoryA(path.c_str(), nullptr);
    return StartUp();
  }
  std::ofstream(path, std::ios::binary) << "[baseset]\r\ntimeout=3\r\n[q]\r\nlink=http://x/%s\r\n";
  const HeldFile held(path);
  return StartUp();
}
constexpr int kListFileCases = 2 * (kListFileKinds + 2);

int CaseCount() {
  return kValueCount * static_cast<int>(StoredForms().size()) + kSetupDirKinds + kListFileCases;
}

std::vector<std::string> RunCase(int index) {
  DeleteKeyTree(kSettingsKeyPath);
  for (const char* caret : {"Parallel Distance", "Perpendicular Distance", "Perpendicular Tolerance"})
    RegDeleteKeyValueA(HKEY_CURRENT_USER, kCaretKeyPath, caret);
  Install install;
  CreateDirectoryA(install.folder.File("lumatoridb").c_str(), nullptr);
  const int forms = static_cast<int>(StoredForms().size());
  if (index < kValueCount * forms) return ValueCase(index / forms, index % forms, install);
  index -= kValueCount * forms;
  if (index < kSetupDirKinds) return SetupDirCase(index, install);
  return ListFileCase(index - kSetupDirKinds, install);
}

TEST(HostileSettingsTest, EveryValueAndFileTakesItsFallbackAndNothingCrashes) {
  TempFolder work;
  const IsolatedOutcome outcome = RunCasesIsolated("hostile_settings.exe", CaseCount(), work.File(""));
  HostileFigures figures;
  figures.name = "settings";
  figures["inputs"] = CaseCount();
  figures["crashes"] = outcome.crashes;
  figures["wrong_fallbacks"] = static_cast<long>(outcome.failures.size()) - outcome.crashes;
  figures.Print();
  for (const std::string& failure : outcome.failures) ADD_FAILURE() << failure;
  DeleteKeyTree(kSettingsKeyPath);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--hold") {
    // Holds the file open without sharing until ended.
    HANDLE file = CreateFileA(argv[2], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    Sleep(60000);
    return 0;
  }
  if (argc > 1 && std::string(argv[1]) == kCasesArgument) {
    InitGlobals(GetModuleHandleA(nullptr));
    return RunCasesInChild(argc, argv, CaseCount(), RunCase);
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
