// The installer's shell operations: starting a program and waiting for it, special-folder
// paths, shortcuts and folder browsing.
#pragma once

#include <windows.h>

#include <string>

// Starts the program file without a console window, with its own folder as the installer's
// current directory, and waits for it to end while the installer's windows keep painting.
// Its exit code; 0 when the file is missing or cannot be started; STILL_ACTIVE when the
// installer is told to quit before the program ends (the program runs on).
DWORD RunAndWait(const std::string& file);

// Lets milliseconds pass while the calling thread's windows are repainted. False, early,
// when the program is told to quit (the WM_QUIT is left for its message loop).
bool PauseRepainting(DWORD milliseconds);

// The path of a shell folder (CSIDL_PROGRAMS, ...); empty when the shell has none.
std::string SpecialFolderPath(int folder);

// Writes a shortcut at linkPath to target, starting in workingDir, with arguments when not
// empty. True when it was saved.
bool CreateShortcut(const std::string& linkPath, const std::string& target,
                    const std::string& workingDir, const std::string& arguments);

// Lets the user choose a folder in a dialog owned by owner, starting at current when it
// exists; form is disabled meanwhile. True with the chosen path on OK.
bool BrowseForFolder(HWND owner, HWND form, const std::string& current, std::string* chosen);
