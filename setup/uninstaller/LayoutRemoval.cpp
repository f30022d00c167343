#include "setup/uninstaller/LayoutRemoval.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "setup/common/ImeLayouts.h"
#include "setup/common/ProductNames.h"

namespace {

const char kPreloadKey[] = "Keyboard Layout\\Preload";
const char kSubstitutesKey[] = "Keyboard Layout\\Substitutes";

struct NamedText {
  std::string name;
  std::string text;
};

std::vector<NamedText> StringValues(HKEY key) {
  std::vector<NamedText> values;
  for (DWORD i = 0;; ++i) {
    char name[256];
    char data[256];
    DWORD nameSize = sizeof name;
    DWORD dataSize = sizeof data - 1;
    DWORD type = 0;
    const LONG result = RegEnumValueA(key, i, name, &nameSize, nullptr, &type,
                                      reinterpret_cast<BYTE*>(data), &dataSize);
    if (result == ERROR_NO_MORE_ITEMS) break;
    if (result != ERROR_SUCCESS || type != REG_SZ) continue;
    data[dataSize] = '\0';
    values.push_back({name, data});
  }
  return values;
}

bool Names(const std::vector<std::string>& ids, const std::string& text) {
  for (const std::string& id : ids) {
    if (lstrcmpiA(id.c_str(), text.c_str()) == 0) return true;
  }
  return false;
}

// Removes the substitutes standing for one of layouts; answers their names.
std::vector<std::string> RemoveSubstitutes(const std::vector<std::string>& layouts) {
  std::vector<std::string> removed;
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kSubstitutesKey, 0, KEY_READ | KEY_SET_VALUE, &key) !=
      ERROR_SUCCESS) {
    return removed;
  }
  for (const NamedText& value : StringValues(key)) {
    if (!Names(layouts, value.text)) continue;
    RegDeleteValueA(key, value.name.c_str());
    removed.push_back(value.name);
  }
  RegCloseKey(key);
  return removed;
}

// Drops the Preload entries naming one of ids; the others keep their order, numbered from 1
// without gaps as Windows reads them.
void RemovePreloads(const std::vector<std::string>& ids) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kPreloadKey, 0, KEY_READ | KEY_SET_VALUE, &key) !=
      ERROR_SUCCESS) {
    return;
  }
  std::vector<std::pair<unsigned long, NamedText>> numbered;
  for (const NamedText& entry : StringValues(key)) {
    char* end = nullptr;
    const unsigned long number = std::strtoul(entry.name.c_str(), &end, 10);
    if (!entry.name.empty() && *end == '\0') numbered.push_back({number, entry});
  }
  std::sort(numbered.begin(), numbered.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> kept;
  for (const auto& entry : numbered) {
    if (!Names(ids, entry.second.text)) kept.push_back(entry.second.text);
  }
  if (kept.size() != numbered.size()) {
    for (const auto& entry : numbered) RegDeleteValueA(key, entry.second.name.c_str());
    for (size_t i = 0; i < kept.size(); ++i) {
      const std::string name = std::to_string(i + 1);
      RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(kept[i].c_str()),
                     static_cast<DWORD>(kept[i].size() + 1));
    }
  }
  RegCloseKey(key);
}

}  // namespace

void RemoveImeLayouts() {
  const std::vector<std::string> layouts = LayoutKeysFor(kImeFile);
  if (layouts.empty()) return;
  for (const std::string& layout : layouts) UnloadKeyboardLayout(LayoutHandle(layout));

  std::vector<std::string> named = layouts;
  for (const std::string& substitute : RemoveSubstitutes(layouts)) named.push_back(substitute);
  RemovePreloads(named);

  HKEY registered;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKeyboardLayoutsKey, 0, KEY_ALL_ACCESS, &registered) ==
      ERROR_SUCCESS) {
    for (const std::string& layout : layouts) RegDeleteTreeA(registered, layout.c_str());
    for (const std::string& layout : layouts) RegDeleteKeyA(registered, layout.c_str());
    RegCloseKey(registered);
  }
}
