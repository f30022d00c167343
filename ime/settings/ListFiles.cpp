#include "ime/settings/ListFiles.h"

#include "ime/common/TrimText.h"
#include "ime/settings/ListFileText.h"

QueryList queryList;
LinkList linkList;

namespace {

constexpr DWORD kNamesBufferSize = 16384;
constexpr DWORD kValueBufferSize = 2048;

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
    return Trimmed(value);
  }
  return std::string();
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
      ParseSeconds(Trimmed(timeout), &queryList.intervalSeconds);
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
