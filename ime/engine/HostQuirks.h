// Where the host differs from Windows in ways the module must meet to type at all: Wine's
// reading of the translation list and of character messages, its EDIT control's inline
// composition, and its making of the UI window.
#pragma once

#include "ime/common/ImmDev.h"

struct HostQuirks {
  bool known = false;  // false until detected (or set)
  // The translation list's entries are read 4 bytes after uMsgCount, not at TransMsg.
  bool entriesAfterCount = false;
  // WM_CHAR messages from the translation list are posted as Unicode: a double-byte
  // character must go as one UTF-16 unit, not as its lead and trail bytes.
  bool unicodeCharacters = false;
  // The EDIT control shows the composition inline and forgets where it stands only at
  // WM_IME_ENDCOMPOSITION: a result reported inside a composition that stays started lands
  // in the control as WM_CHAR, and the next code then overwrites it. A commit must end the
  // composition here. The result reaches the control through DefWindowProc, which posts
  // its characters, while the control places a new composition where the caret is at
  // WM_IME_STARTCOMPOSITION: a key that commits and starts the next code must send the
  // commit before returning the start.
  bool endCompositionAtCommit = false;
  // The same control keeps WM_IME_STARTCOMPOSITION, WM_IME_ENDCOMPOSITION and every
  // WM_IME_COMPOSITION without a result from DefWindowProc, so the UI window hears of a new
  // code only through IMN_OPENCANDIDATE, which must then stand for the composition's start
  // and update too.
  bool editKeepsCompositionMessages = false;
  // The manager makes the UI window only inside ImmSetOpenStatus (one for the layout, in
  // the calling thread), stores its own record there instead of the context handle, and
  // never points the window at the context it activates.
  bool uiWindowAtOpenStatusOnly = false;
  // ImmGenerateMessage sends to the focus window rather than the context's: what a context
  // losing the focus generates reaches the control that gains it.
  bool generatedMessagesGoToFocus = false;
};

// Detected on first use from the host; tests may set it beforehand.
extern HostQuirks hostQuirks;
const HostQuirks& CurrentHostQuirks();

// Whether the 64-bit ImmTranslateMessage of this Wine version ("8.0", "8.0.2", "7.22",
// "9.0-rc3") reads the entries 4 bytes after uMsgCount.
bool WineReadsEntriesAfterCount(const char* version);

// Whether the EDIT control of this Wine version keeps the composition inline until
// WM_IME_ENDCOMPOSITION ("8.0", "7.22"; not "9.0" and later, which have the IME rework).
bool WineEditKeepsCompositionUntilEnd(const char* version);

// Whether this Wine version ("8.0", "7.22") makes the UI window only in ImmSetOpenStatus
// ("9.0" and later make it per thread for the focus context).
bool WineMakesUiWindowAtOpenStatusOnly(const char* version);

// Whether this Wine version ("8.0", "7.22") sends the messages of ImmGenerateMessage to
// the focus window ("9.0" and later send them to the context's window).
bool WineGeneratesToTheFocus(const char* version);

// Sends the messages in the context's message buffer to window, in order, and empties the
// buffer: ImmGenerateMessage's work, for a window the manager would not send them to.
void SendGeneratedMessages(LPINPUTCONTEXT context, HWND window);

// Where the manager does not keep the UI window on the active context: has it made (by
// ImmSetOpenStatus with the status unchanged), points it at himc and announces the
// activation to it, as Windows does. Does nothing elsewhere.
void AttachUiWindow(HIMC himc);
// Told by the UI window at each WM_IME_SETCONTEXT it receives.
void HeardActivation();

// Stores messages as the translation list's first count entries, where the host reads them.
void WriteTranslationEntries(LPTRANSMSGLIST list, const TRANSMSG* messages, UINT count);

// The character of ImeToAsciiEx's virtual key word: bits 8-15 on Windows; Wine puts it in
// the high word.
unsigned KeyCharacter(UINT virtualKeyWord);
