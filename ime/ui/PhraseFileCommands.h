// The phrase dialog's "导出…", "导入…" and "恢复…": the file picker or the list of backups,
// the work in the dictionary, and a message box that tells the user what came of it.
// Dictionary failures are raised as ESQLiteException for the dialog to show.
#pragma once

#include <windows.h>

#include "ime/dictionary/DictionaryFiles.h"

// Writes every phrase of both schemes to a file the user picks.
void ExportPhrasesToFile(HWND owner, const DictionarySet& dictionaries);
// Adds the phrases of a file the user picks; true when some were added.
bool ImportPhrasesFromFile(HWND owner, const DictionarySet& dictionaries);
// Lists the backups in a menu under button and restores the one the user picks and
// confirms; true when one was restored.
bool RestorePhrasesFromBackup(HWND owner, HWND button, const DictionarySet& dictionaries);
