// The query list ("adlist.ini") and the link list ("intlist.ini"): profile files whose
// sections are entries, each with an optional "link" key.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct ListEntry {
  std::string text;
  std::string link;
};

struct QueryList {
  std::vector<ListEntry> entries;
  int intervalSeconds = 5;
  size_t currentIndex = 0;
  bool playing = true;  // the play button: the query line rotates only while set
  bool rotationActive = true;
  DWORD lastRotation = 0;
};

struct LinkList {
  std::vector<ListEntry> entries;
};

extern QueryList queryList;
extern LinkList linkList;

// Reads the query list; the section "baseset" holds the rotation interval ("timeout").
void LoadQueryList(const char* path);
// Reads the link list; every section is an entry. An empty path gives an empty list.
void LoadLinkList(const char* path);
void FreeQueryList();
void FreeLinkList();
