// The items of a report-style list view of phrases, read back as (caption, first sub-item)
// pairs; from any thread of the process.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

using ListPairs = std::vector<std::pair<std::string, std::string>>;

inline ListPairs ListViewPairs(HWND list) {
  ListPairs items;
  const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
  for (int item = 0; item < count; ++item) {
    std::string cells[2];
    for (int sub = 0; sub < 2; ++sub) {
      char buffer[256] = {};
      LVITEMA cell = {};
      cell.iSubItem = sub;
      cell.pszText = buffer;
      cell.cchTextMax = sizeof buffer;
      SendMessageA(list, LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&cell));
      cells[sub] = buffer;
    }
    items.emplace_back(cells[0], cells[1]);
  }
  return items;
}
