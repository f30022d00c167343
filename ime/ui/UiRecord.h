// The UI window's private record and the window slots of the module's windows.
#pragma once

#include <windows.h>

#include "ime/common/ImmDev.h"
#include "ime/ui/UiGeometry.h"

// uiFlags bits.
constexpr DWORD kUiShowComposition = 0x80000000;  // ISC_SHOWUICOMPOSITIONWINDOW
constexpr DWORD kUiShowGuideline = 0x40000000;    // ISC_SHOWUIGUIDELINE
constexpr DWORD kUiShowCandidates = 0x0000000F;   // ISC_SHOWUIALLCANDIDATEWINDOW
constexpr DWORD kUiStatusOpen = 0x04000000;
constexpr DWORD kUiSoftKbdWanted = 0x02000000;
constexpr DWORD kUiSoftKbdHidePending = 0x01000000;
constexpr DWORD kUiCandHidePending = 0x00400000;
// The application cleared ISC_SHOWUICANDIDATEWINDOW: it draws the candidates itself. Bit 0x1
// cannot tell this, as it also marks the window shown.
constexpr DWORD kUiAppDrawsCandidates = 0x00200000;
constexpr DWORD kUiActiveBits = 0xC200000F;      // any of these: the children may show

struct UiRecord {
  HWND candCompWnd;
  int candCompShow;     // 0 hidden, SW_SHOWNOACTIVATE shown
  HWND softKbdWnd;
  int softKbdShow;
  HWND statusWnd;
  int statusShow;
  DWORD uiFlags;
  HIMC lastImc;
  HWND contextMenuWnd;
  HWND softKeyMenuWnd;
};

// Window slots: the UI window keeps its context in slot 0 and the record in slot 1; the
// status and candidate windows keep the drag offset (or -1) and the last cursor position.
constexpr int kSlotSize = sizeof(LONG_PTR);
inline LONG_PTR GetSlot(HWND window, int slot) { return GetWindowLongPtrA(window, slot * kSlotSize); }
inline void SetSlot(HWND window, int slot, LONG_PTR value) {
  SetWindowLongPtrA(window, slot * kSlotSize, value);
}

// Allocates the record into slot 1; false when the allocation fails.
bool CreateUiRecord(HWND uiWindow);
void FreeUiRecord(HWND uiWindow);
// The locked record, or nullptr; every successful lock is paired with UnlockUiRecord.
UiRecord* LockUiRecord(HWND uiWindow);
void UnlockUiRecord(HWND uiWindow);

inline HIMC ContextOfUi(HWND uiWindow) {
  return uiWindow ? reinterpret_cast<HIMC>(GetWindowLongPtrA(uiWindow, IMMGWLP_IMC)) : nullptr;
}

// The owning UI window of a status or candidate window, and its context.
inline HWND OwnerUi(HWND window) { return GetWindow(window, GW_OWNER); }

// Packing of the drag offset into one slot: two signed 16-bit halves.
inline LONG_PTR PackPoint(POINT p) {
  return static_cast<LONG_PTR>(static_cast<DWORD>(PackPoint16({p.x, p.y})));
}
inline POINT UnpackPoint(LONG_PTR packed) {
  const UiPoint p = UnpackPoint16(static_cast<DWORD>(packed));
  return {p.x, p.y};
}
constexpr LONG_PTR kNoDrag = -1;
