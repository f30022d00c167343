// The user's phrases in the user dictionary (table of the active scheme). Every operation
// opens and releases its own connection; a failing step raises ESQLiteException. An add or
// a change checks and writes in one transaction, so that two processes never store a pair
// twice and a failure changes nothing.
#pragma once

#include <windows.h>

#include <string>

bool UserPhraseExists(const std::string& code, const std::string& text);
// Shows "设置词组错误" for an empty code or text and "已存在此词组" for a stored pair;
// true when the pair was inserted.
bool AddUserPhrase(const std::string& code, const std::string& text);
// Replaces the old pair by the new one (delete, then add); the new pair is checked first.
bool ChangeUserPhrase(const std::string& oldCode, const std::string& oldText,
                      const std::string& newCode, const std::string& newText);
// Deletes every row with exactly this code and text.
bool DeleteUserPhrase(const std::string& code, const std::string& text);
// Replaces the items of a report-style list view by every stored pair in the order added:
// the code as the item, the text as its first sub-item.
void ListUserPhrases(HWND listView);
