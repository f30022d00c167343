// LoadSettings: the settings key with its defaults, and the paths derived from "SetupDir".
#include <cstring>

#include "ime/settings/Globals.h"
#include "ime/settings/ListFiles.h"
#include "ime/settings/PathText.h"
#include "ime/settings/Registry.h"

namespace {

const char kDictionarySubdir[] = "lumatoridb\\";
const char kLinkListFile[] = "intlist.ini";
const char kQueryListFile[] = "adlist.ini";

struct DwordSetting {
  const char* name;
  DWORD ImeGlobals::*field;
  DWORD fallback;
};

// Read in this order; an absent value is written with its default and read again.
const DwordSetting kDwordSettings[] = {
    {"竖向排列", &ImeGlobals::verticalLayout, 1},
    {"光标跟随", &ImeGlobals::followCaret, 1},
    {"‘键替2选码", &ImeGlobals::quoteSelectsSecond, 1},
    {"词语联想", &ImeGlobals::wordAssociation, 0},
    {"。键替3选码", &ImeGlobals::periodSelectsThird, 1},
    {"默认检索", &ImeGlobals::gb2312Only, 1},
};

void ReadOrCreate(HKEY key, const char* name, DWORD* field, DWORD fallback) {
  if (ReadDword(key, name, field)) return;
  RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&fallback),
                 sizeof fallback);
  if (!ReadDword(key, name, field)) *field = fallback;
}

// Joins a directory and a file name into out; false (out empty) when it would not fit.
bool JoinPath(char (&out)[kPathBufferSize], const char* dir, const char* name) {
  out[0] = '\0';
  const size_t dirLength = std::strlen(dir);
  const size_t nameLength = std::strlen(name);
  if (dirLength + nameLength >= sizeof out) return false;
  std::memcpy(out, dir, dirLength);
  std::memcpy(out + dirLength, name, nameLength + 1);
  return true;
}

// The installation directory with a trailing backslash, or empty when none is known, when
// it is not absolute, or when the dictionary directory below it would not fit the path
// buffer. An empty directory means the module behaves as not installed: nothing is opened
// relative to the current directory.
void ReadInstallDir(HKEY key) {
  char* dir = globals.installDir;
  if (!ReadString(key, "SetupDir", dir, kPathBufferSize) || !IsAbsolutePath(dir)) {
    dir[0] = '\0';
    return;
  }
  size_t length = std::strlen(dir);
  const bool needsSeparator = !EndsWithPathSeparator(dir);
  if (length + needsSeparator + sizeof kDictionarySubdir > kPathBufferSize) {
    dir[0] = '\0';
    return;
  }
  if (needsSeparator) {
    dir[length++] = '\\';
    dir[length] = '\0';
  }
}

}  // namespace

const char* SettingValueName(DWORD ImeGlobals::*field) {
  for (const DwordSetting& setting : kDwordSettings) {
    if (setting.field == field) return setting.name;
  }
  return nullptr;
}

void LoadSettings() {
  bool created = false;
  HKEY key = OpenSettingsKey(&created);
  if (created) {
    const DWORD vertical = 1;
    RegSetValueExA(key, "竖向排列", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&vertical),
                   sizeof vertical);
  }

  if (key) ReadInstallDir(key);
  if (globals.installDir[0] != '\0') {
    char path[kPathBufferSize];
    if (JoinPath(path, globals.installDir, kQueryListFile)) LoadQueryList(path);
    JoinPath(globals.linkListPath, globals.installDir, kLinkListFile);
    JoinPath(globals.dictionaryDir, globals.installDir, kDictionarySubdir);
  } else {
    globals.linkListPath[0] = '\0';
    globals.dictionaryDir[0] = '\0';
  }

  for (const DwordSetting& setting : kDwordSettings) {
    DWORD* field = &(globals.*setting.field);
    if (key) {
      ReadOrCreate(key, setting.name, field, setting.fallback);
    } else {
      *field = setting.fallback;
    }
  }
  DWORD scheme = 0;
  if (key) ReadOrCreate(key, "声型", &scheme, 0);
  globals.sxScheme = scheme == 1 ? 1 : 0;

  if (key) RegCloseKey(key);
}
