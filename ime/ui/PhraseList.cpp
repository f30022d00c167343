#include "ime/ui/PhraseList.h"

#include <commctrl.h>

namespace {

void SetCell(HWND listView, int item, int subItem, const std::string& value) {
  std::string buffer = value;
  LVITEMA cell = {};
  cell.iSubItem = subItem;
  cell.pszText = buffer.data();
  SendMessageA(listView, LVM_SETITEMTEXTA, item, reinterpret_cast<LPARAM>(&cell));
}

}  // namespace

void AppendPhraseItem(HWND listView, const std::string& code, const std::string& text) {
  std::string caption = code;
  LVITEMA cell = {};
  cell.mask = LVIF_TEXT;
  cell.iItem = static_cast<int>(SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0));
  cell.pszText = caption.data();
  const int item =
      static_cast<int>(SendMessageA(listView, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&cell)));
  if (item >= 0) SetCell(listView, item, 1, text);
}

void SetPhraseItem(HWND listView, int item, const std::string& code, const std::string& text) {
  SetCell(listView, item, 0, code);
  SetCell(listView, item, 1, text);
}

std::string PhraseItemText(HWND listView, int item, int subItem) {
  // The list view copies at most the buffer's size less one; a text that filled it may
  // have been cut, so the buffer grows until one is left over.
  for (std::string buffer(128, '\0');; buffer.resize(buffer.size() * 2)) {
    LVITEMA cell = {};
    cell.iSubItem = subItem;
    cell.pszText = buffer.data();
    cell.cchTextMax = static_cast<int>(buffer.size());
    const auto length = static_cast<std::size_t>(
        SendMessageA(listView, LVM_GETITEMTEXTA, item, reinterpret_cast<LPARAM>(&cell)));
    if (length + 1 < buffer.size()) return buffer.substr(0, length);
  }
}
