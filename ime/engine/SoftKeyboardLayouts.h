// The thirteen soft keyboard layouts: for each, a normal and a shifted row of 48 GBK
// double-byte characters, one per soft key.
#pragma once

#include <string_view>

constexpr int kSoftKeyboardLayoutCount = 13;
constexpr int kSoftKeyCount = 48;

// The soft key of a virtual key: Space 0, "0"-"9" 1-10, "A"-"Z" 11-36, 0xBA-0xBF 37-42,
// 0xC0 43, 0xDB-0xDE 44-47. Every other key is the Space key.
int SoftKeyIndex(unsigned virtualKey);

// The two bytes of key in the layout's normal or shifted row; two ASCII spaces when the key
// has no character there (also for a layout or key out of range).
std::string_view SoftKeyEntry(unsigned layout, bool shifted, int key);

// True for the entry of a key without a character.
constexpr bool IsBlankSoftKey(std::string_view entry) { return entry == "  "; }
