// The module-wide record of one process: settings, metrics, buffers and paths.
// Filled once at start-up (InitGlobals, LoadSettings), read by every subsystem.
#pragma once

#include <windows.h>

#include "ime/dictionary/DictionaryFiles.h"

constexpr int kPathBufferSize = 260;
constexpr int kClassNameSize = 24;
constexpr int kCandidateCount = 1000;
constexpr int kCandidateTextMax = 64;
constexpr int kCandidateBufferSize = kCandidateTextMax + 9;  // 73

// Window classes in the order they are registered (string-table ids 801..806, 821).
enum WindowClass { kClassUi, kClassCandComp, kClassStatus, kClassHint, kClassContext,
                   kClassCMenu, kClassSoftkeyMenu, kWindowClassCount };

struct ImeGlobals {
  HINSTANCE moduleInstance;

  // Settings (registry values of the settings key).
  DWORD verticalLayout;
  DWORD followCaret;
  DWORD quoteSelectsSecond;
  DWORD periodSelectsThird;
  DWORD wordAssociation;
  DWORD gb2312Only;
  BYTE sxScheme;

  // Caret placement (Control Panel\Input Method).
  DWORD parallelDistance;
  DWORD perpendicularDistance;
  DWORD perpendicularTolerance;
  DWORD parallelTolerance;

  RECT workArea;
  int borderWidth;
  int borderHeight;
  int charWidth;
  int charHeight;

  char errorTitle[9];
  int errorTitleLength;
  char settingsKeyName[kPathBufferSize];
  char classNames[kWindowClassCount][kClassNameSize];

  // Empty when no installation directory is known ("SetupDir" absent or empty).
  char installDir[kPathBufferSize];
  char dictionaryDir[kPathBufferSize];
  char linkListPath[kPathBufferSize];
  HMODULE resourceModule;

  char* candidatePool[kCandidateCount];
  // Closed or freed when a context is deselected.
  HWND settingsDialog;
  HWND aboutDialog;
  HMENU softKeyMenu;
};

extern ImeGlobals globals;

// Start-up step 1: strings, metrics, composing keys, candidate pool, caret placement
// (StartModule runs the whole start-up).
void InitGlobals(HINSTANCE module);
// Start-up step 3: settings with their defaults, dictionary directory, list files.
void LoadSettings();
// The registry value that holds a DWORD setting field (not "声型"); nullptr for other fields.
const char* SettingValueName(DWORD ImeGlobals::*field);
// The desktop work area; one that is obviously not one (right or bottom edge below 8)
// becomes the screen.
void ReadWorkArea();
// The dictionary folder and the scheme of the settings.
DictionarySet ActiveDictionaries();
// Shutdown: frees what start-up allocated (the window classes are unregistered first).
void FreeGlobals();
