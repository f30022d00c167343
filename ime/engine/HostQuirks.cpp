#include "ime/engine/HostQuirks.h"

#include <cstdlib>
#include <cstring>

HostQuirks hostQuirks;

namespace {

using WineGetVersion = const char*(CDECL*)();

const char* WineVersion() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  FARPROC proc = ntdll ? GetProcAddress(ntdll, "wine_get_version") : nullptr;
  if (!proc) return nullptr;
  return reinterpret_cast<WineGetVersion>(reinterpret_cast<void*>(proc))();
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
bool WineEditKeepsCompositionUntilEnd(const char* version) {
  if (!version) return false;
  char* end = nullptr;
  const long major = std::strtol(version, &end, 10);
  return end != version && major < 9;
}

const HostQuirks& CurrentHostQuirks() {
  if (!hostQuirks.known) {
    const char* version = WineVersion();
    hostQuirks.unicodeCharacters = version != nullptr;  // Wine posts them with PostMessageW
    hostQuirks.entriesAfterCount = sizeof(void*) == 8 && WineReadsEntriesAfterCount(version);
    hostQuirks.endCompositionAtCommit = WineEditKeepsCompositionUntilEnd(version);
    hostQuirks.known = true;
  }
  return hostQuirks;
}

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
