// The items of a report-style list view of user phrases: each item's caption is a code,
// its first sub-item the phrase's text.
#pragma once

#include <windows.h>

#include <string>

// Appends an item at the end of the list.
void AppendPhraseItem(HWND listView, const std::string& code, const std::string& text);
// Replaces the code and text of an item.
void SetPhraseItem(HWND listView, int item, const std::string& code, const std::string& text);
// The caption (sub-item 0) or the text (sub-item 1) of an item, whole however long.
std::string PhraseItemText(HWND listView, int item, int subItem);
