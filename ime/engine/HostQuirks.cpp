#include "ime/engine/HostQuirks.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "ime/engine/ContextLocks.h"
#include "ime/settings/Globals.h"

HostQuirks hostQuirks;

namespace {

using WineGetVersion = const char*(CDECL*)();

const char* WineVersion() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  FARPROC proc = ntdll ? GetProcAddress(ntdll, "wine_get_version") : nullptr;
  if (!proc) return nullptr;
  return reinterpret_cast<WineGetVersion>(reinterpret_cast<void*>(proc))();
}

// Whether a version string names a release before the given major version.
bool WineBeforeMajor(const char* version, long major) {
  if (!version) return false;
  char* end = nullptr;
  const long versionMajor = std::strtol(version, &end, 10);
  return end != version && versionMajor < major;
}

// The module's UI window among the top-level windows of the calling thread.
BOOL CALLBACK MatchUiWindow(HWND window, LPARAM found) {
  char name[kClassNameSize] = {};
  if (reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE)) !=
          globals.moduleInstance ||
      !GetClassNameA(window, name, sizeof name) ||
      lstrcmpiA(name, globals.classNames[kClassUi]) != 0) {
    return TRUE;
  }
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

HWND ThreadUiWindow() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), MatchUiWindow, reinterpret_cast<LPARAM>(&found));
  return found;
}

// Activations the UI windows heard, to tell whether one went through the application.
unsigned activationsHeard = 0;

HWND ContextWindow(HIMC himc) {
  LPINPUTCONTEXT context = ImmLockIMC(himc);
  if (!context) return nullptr;
  HWND window = context->hWnd;
  ImmUnlockIMC(himc);
  return window && IsWindow(window) ? window : nullptr;
}

// The ISC bits the context's window last asked for: an application that draws its own
// candidates keeps its window to itself when the module repeats the activation.
DWORD ApplicationShows(HIMC himc) {
  DWORD bits = ISC_SHOWUIALL;
  LPINPUTCONTEXT context = ImmLockIMC(himc);
  if (!context) return bits;
  if (const PrivateRecord* record = LockPrivateRecord(context)) {
    if (record->applicationDrawsCandidates) bits &= ~static_cast<DWORD>(ISC_SHOWUIALLCANDIDATEWINDOW);
    UnlockPrivateRecord(context);
  }
  ImmUnlockIMC(himc);
  return bits;
}

}  // namespace

// Wine's ImmTranslateMessage allocated the list as a DWORD count followed by the entries,
// and read them at 4 bytes, from its first ImeToAsciiEx support (1.1.x) until the IME
// rework of the 8.x development series (spring 2023), which passes a real TRANSMSGLIST.
// On 32-bit both places are the same; on 64-bit TransMsg is at 8, so every 64-bit release
// before 8.5, the whole 8.0.x stable line included, reads the entries 4 bytes early.
bool WineReadsEntriesAfterCount(const char* version) {
  if (!version) return false;
  char* end = nullptr;
  const long major = std::strtol(version, &end, 10);
  if (end == version) return false;
  long minor = 0;
  if (*end == '.') minor = std::strtol(end + 1, nullptr, 10);
  return major < 8 || (major == 8 && minor < 5);
}

// Until the IME rework of the 8.x development series, Wine's EDIT control drew the
// composition string into its own text and kept the range it covered, reset only by
// WM_IME_STARTCOMPOSITION and WM_IME_ENDCOMPOSITION; a GCS_RESULTSTR message goes to
// DefWindowProc, so the result arrives as WM_CHAR over the still selected range, and the
// range stays. Windows' EDIT leaves the composition to the input method's window, and so
// does Wine's after the rework. Ending the composition at a commit is harmless where it is
// not needed, so the check errs towards later versions.
bool WineEditKeepsCompositionUntilEnd(const char* version) { return WineBeforeMajor(version, 9); }

// Until the IME rework, Wine kept one UI window per layout and made it only when
// ImmSetOpenStatus found none, storing its internal context record (no HIMC since contexts
// became win32u handles) in IMMGWLP_IMC; activation only sends WM_IME_SETCONTEXT through the
// default IME window, which drops it while no UI window exists. A module that opens its
// contexts itself, as this one does in ImeSelect, thus never gets a UI window, and with it
// no candidate window. Wine 9 makes the window per thread and points it at the focus
// context; attaching there only repeats what Wine does, so the check errs towards later
// versions.
bool WineMakesUiWindowAtOpenStatusOnly(const char* version) {
  return WineBeforeMajor(version, 9);
}

// Until the IME rework, Wine's ImmGenerateMessage sent each message to the focus window
// and used the context's window only when no window had the focus; the rework sends them
// to the context's window, as Windows does.
bool WineGeneratesToTheFocus(const char* version) { return WineBeforeMajor(version, 9); }

const HostQuirks& CurrentHostQuirks() {
  if (!hostQuirks.known) {
    const char* version = WineVersion();
    hostQuirks.unicodeCharacters = version != nullptr;  // Wine posts them with PostMessageW
    hostQuirks.entriesAfterCount = sizeof(void*) == 8 && WineReadsEntriesAfterCount(version);
    hostQuirks.endCompositionAtCommit = WineEditKeepsCompositionUntilEnd(version);
    hostQuirks.editKeepsCompositionMessages = WineEditKeepsCompositionUntilEnd(version);
    hostQuirks.uiWindowAtOpenStatusOnly = WineMakesUiWindowAtOpenStatusOnly(version);
    hostQuirks.generatedMessagesGoToFocus = WineGeneratesToTheFocus(version);
    hostQuirks.known = true;
  }
  return hostQuirks;
}

// ImmSetOpenStatus with the status it already has changes nothing but makes the window.
// Windows points the UI window at the context it activates and sends it WM_IME_SETCONTEXT;
// the same is done here at every activation. The manager's own WM_IME_SETCONTEXT reaches
// the window when a context loses the focus, but not when it gains it in a control such
// as the EDIT: unannounced, a context that several controls share (a thread's default
// context, in two top-level windows as in two controls of one) would keep the status bar
// and the candidate window that its last deactivation hid.
void AttachUiWindow(HIMC himc) {
  if (!himc || !CurrentHostQuirks().uiWindowAtOpenStatusOnly) return;
  HWND uiWindow = ThreadUiWindow();
  if (!uiWindow) {
    ImmSetOpenStatus(himc, ImmGetOpenStatus(himc));
    uiWindow = ThreadUiWindow();
    if (!uiWindow) return;
  }
  SetWindowLongPtrA(uiWindow, IMMGWLP_IMC, reinterpret_cast<LONG_PTR>(himc));
  // As Windows does, through the context's window: an application that draws its own
  // candidates clears the bits there. Its activation at the focus change went nowhere, as
  // the window did not exist yet. A window that keeps the message from DefWindowProc (Wine's
  // EDIT does) leaves the UI window to be told directly.
  const unsigned heard = activationsHeard;
  if (HWND appWindow = ContextWindow(himc)) {
    SendMessageA(appWindow, WM_IME_SETCONTEXT, TRUE, ISC_SHOWUIALL);
  }
  if (activationsHeard == heard) {
    SendMessageA(uiWindow, WM_IME_SETCONTEXT, TRUE, static_cast<LPARAM>(ApplicationShows(himc)));
  }
}

// As the manager does: the buffer is emptied first, so that what the messages make the
// module generate meanwhile goes into a buffer of its own.
void SendGeneratedMessages(LPINPUTCONTEXT context, HWND window) {
  const DWORD count = context->hMsgBuf ? context->dwNumMsgBuf : 0;
  // Made before the buffer is locked: an allocation that fails leaves no lock held.
  std::vector<TRANSMSG> messages(count);
  context->dwNumMsgBuf = 0;
  const auto* buffer =
      static_cast<const TRANSMSG*>(count ? ImmLockIMCC(context->hMsgBuf) : nullptr);
  if (!buffer) return;
  std::copy(buffer, buffer + count, messages.begin());
  ImmUnlockIMCC(context->hMsgBuf);
  for (const TRANSMSG& message : messages)
    SendMessageW(window, message.message, message.wParam, message.lParam);
}

void HeardActivation() { ++activationsHeard; }

// The entries are written bytewise: at 4 bytes after the count they are not aligned.
void WriteTranslationEntries(LPTRANSMSGLIST list, const TRANSMSG* messages, UINT count) {
  char* entries = reinterpret_cast<char*>(list->TransMsg);
  if (CurrentHostQuirks().entriesAfterCount)
    entries = reinterpret_cast<char*>(list) + sizeof list->uMsgCount;
  std::memcpy(entries, messages, count * sizeof(TRANSMSG));
}

unsigned KeyCharacter(UINT virtualKeyWord) {
  const unsigned low = (virtualKeyWord >> 8) & 0xFF;
  const unsigned high = virtualKeyWord >> 16;
  return low == 0 && high <= 0xFF ? high : low;
}
