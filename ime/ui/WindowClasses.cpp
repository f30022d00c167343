#include "ime/ui/WindowClasses.h"

#include <windows.h>

#include "ime/settings/Globals.h"
#include "ime/ui/CandidateWindow.h"
#include "ime/ui/ContextWindow.h"
#include "ime/ui/HintWindow.h"
#include "ime/ui/Menus.h"
#include "ime/ui/StatusWindow.h"
#include "ime/ui/UIWindow.h"

namespace {

struct ClassEntry {
  WindowClass id;
  UINT style;
  int brush;
  WNDPROC procedure;
};

// Registration order.
const ClassEntry kClasses[] = {
    {kClassUi, CS_IME, NULL_BRUSH, UIWndProc},
    {kClassCandComp, CS_IME | CS_VREDRAW | CS_HREDRAW, LTGRAY_BRUSH, CandCompWndProc},
    {kClassStatus, CS_IME | CS_VREDRAW | CS_HREDRAW, LTGRAY_BRUSH, StatusWndProc},
    {kClassHint, 0, LTGRAY_BRUSH, HintWndProc},
    {kClassContext, 0, LTGRAY_BRUSH, ContextWndProc},
    {kClassCMenu, 0, NULL_BRUSH, ContextMenuOwnerProc},
    {kClassSoftkeyMenu, 0, NULL_BRUSH, SoftKeyMenuOwnerProc},
};

// The menu owners, status, candidate and UI classes first; then the hint and context
// classes, whose process-wide windows may still exist (their class then stays).
const WindowClass kUnregisterOrder[] = {kClassCMenu,    kClassSoftkeyMenu, kClassStatus,
                                        kClassCandComp, kClassUi,          kClassHint,
                                        kClassContext};

// Two slots: the context and the UI record (pointer-sized on 64-bit).
constexpr int kWindowExtraBytes = 2 * sizeof(LONG_PTR);

}  // namespace

void RegisterWindowClasses() {
  for (const ClassEntry& entry : kClasses) {
    const char* name = globals.classNames[entry.id];
    WNDCLASSEXA existing = {sizeof existing};
    if (GetClassInfoExA(globals.moduleInstance, name, &existing)) continue;
    WNDCLASSEXA windowClass = {sizeof windowClass};
    windowClass.style = entry.style;
    windowClass.lpfnWndProc = entry.procedure;
    windowClass.cbWndExtra = kWindowExtraBytes;
    windowClass.hInstance = globals.moduleInstance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(entry.brush));
    windowClass.lpszClassName = name;
    RegisterClassExA(&windowClass);
  }
}

void UnregisterWindowClasses() {
  for (WindowClass id : kUnregisterOrder) {
    UnregisterClassA(globals.classNames[id], globals.moduleInstance);
  }
}
