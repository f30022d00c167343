// What the dictionary package's exit code tells the installer besides success (0) and its
// failures (small codes): that files were held open, or that a damaged user dictionary was
// moved aside and how many of its phrases the fresh one holds.
#pragma once

#include <windows.h>

// Nothing was replaced: another program holds dictionary files open (an application with
// the input method loaded keeps them until it has been idle a while). Running the package
// again once they are closed installs them.
inline constexpr DWORD kDictionariesHeld = 4;

// The code of a recovery: this plus the number of phrases carried over.
inline constexpr DWORD kPhrasesRecoveredBase = 0x10000;
// Codes from the base up to here carry a count; above lie the system's exception codes.
inline constexpr DWORD kPhrasesRecoveredEnd = 0x40000000;

// The number of phrases recovered, or -1 when the code tells of no recovery.
inline long RecoveredPhrases(DWORD exitCode) {
  if (exitCode < kPhrasesRecoveredBase || exitCode >= kPhrasesRecoveredEnd) return -1;
  return static_cast<long>(exitCode - kPhrasesRecoveredBase);
}
