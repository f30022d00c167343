#include "ime/ui/UiRecord.h"

namespace {
HGLOBAL RecordHandle(HWND uiWindow) {
  return reinterpret_cast<HGLOBAL>(GetWindowLongPtrA(uiWindow, IMMGWLP_PRIVATE));
}
}  // namespace

bool CreateUiRecord(HWND uiWindow) {
  HGLOBAL record = GlobalAlloc(GHND, sizeof(UiRecord));
  if (!record) return false;
  SetWindowLongPtrA(uiWindow, IMMGWLP_PRIVATE, reinterpret_cast<LONG_PTR>(record));
  return true;
}

void FreeUiRecord(HWND uiWindow) {
  HGLOBAL record = RecordHandle(uiWindow);
  if (!record) return;
  SetWindowLongPtrA(uiWindow, IMMGWLP_PRIVATE, 0);
  GlobalFree(record);
}

UiRecord* LockUiRecord(HWND uiWindow) {
  HGLOBAL record = uiWindow ? RecordHandle(uiWindow) : nullptr;
  return record ? static_cast<UiRecord*>(GlobalLock(record)) : nullptr;
}

void UnlockUiRecord(HWND uiWindow) { GlobalUnlock(RecordHandle(uiWindow)); }
