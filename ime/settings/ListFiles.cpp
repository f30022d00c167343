#include "ime/settings/ListFiles.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

QueryList queryList;
LinkList linkList;

namespace {

constexpr DWORD kNamesBufferSize = 16384;
constexpr DWORD kValueBufferSize = 2048;
// A shorter interval (a "timeout" of 0) would repaint the query line at every tick.
constexpr int kMinimumIntervalSeconds = 1;

// Strips leading and trailing blanks and control characters (bytes up to 0x20).
std::string Trim(const char* text) {
  const unsigned char* begin = reinterpret_cast<const unsigned char*>(text);
  const unsigned char* end = begin + std::strlen(text);
  while (begin < end && *begin <= ' ') ++begin;
  while (end > begin && end[-1] <= ' ') --end;
  return std::string(reinterpret_cast<const char*>(begin), end - begin);
}

// The zero-separated names of a double-zero-terminated profile list.
std::vector<std::string> SplitNames(const char* buffer, DWORD length) {
  std::vector<std::string> names;
  for (DWORD i = 0; i < length;) {
    const size_t nameLength = strnlen(buffer + i, length - i);
    if (nameLength == 0) break;
    names.emplace_back(buffer + i, nameLength);
    i += static_cast<DWORD>(nameLength) + 1;
  }
  return names;
}

std::vector<std::string> SectionNames(const char* path) {
  std::vector<char> buffer(kNamesBufferSize);
  const DWORD length = GetPrivateProfileSectionNamesA(buffer.data(), kNamesBufferSize, path);
  return SplitNames(buffer.data(), length);
}

// The trimmed "link" value of a section; empty when the section has no such key.
std::string SectionLink(const char* path, const std::string& section) {
  std::vector<char> keys(kNamesBufferSize);
  const DWORD length = GetPrivateProfileStringA(section.c_str(), nullptr, "", keys.data(),
                                                kNamesBufferSize, path);
  for (const std::string& key : SplitNames(keys.data(), length)) {
    if (lstrcmpiA(key.c_str(), "link") != 0) continue;
    char value[kValueBufferSize] = {};
    GetPrivateProfileStringA(section.c_str(), key.c_str(), "", value, kValueBufferSize, path);
    return Trim(value);
  }
  return std::string();
}

// A whole number of seconds, at least the minimum; false for anything else (signs,
// letters, overflow, nothing).
bool ParseSeconds(const char* text, int* seconds) {
  if (*text < '0' || *text > '9') return false;
  char* end = nullptr;
  const unsigned long value = std::strtoul(text, &end, 10);
  if (*end != '\0' || value > 86400) return false;
  *seconds = std::max(static_cast<int>(value), kMinimumIntervalSeconds);
  return true;
}

}  // namespace

void LoadQueryList(const char* path) {
  queryList.intervalSeconds = 5;
  queryList.currentIndex = 0;
  FreeQueryList();
  for (const std::string& section : SectionNames(path)) {
    if (section == "baseset") {
      char timeout[kValueBufferSize] = {};
      GetPrivateProfileStringA("baseset", "timeout", "", timeout, kValueBufferSize, path);
      ParseSeconds(Trim(timeout).c_str(), &queryList.intervalSeconds);
      continue;
    }
    queryList.entries.push_back({section, SectionLink(path, section)});
  }
}

void LoadLinkList(const char* path) {
  FreeLinkList();
  if (!path || path[0] == '\0') return;
  for (const std::string& section : SectionNames(path)) {
    linkList.entries.push_back({section, SectionLink(path, section)});
  }
}

void FreeQueryList() { std::vector<ListEntry>().swap(queryList.entries); }

void FreeLinkList() { std::vector<ListEntry>().swap(linkList.entries); }
