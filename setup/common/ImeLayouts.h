// The keyboard layouts registered for the module in
// HKEY_LOCAL_MACHINE\System\CurrentControlSet\Control\Keyboard Layouts.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

inline constexpr char kKeyboardLayoutsKey[] =
    "System\\CurrentControlSet\\Control\\Keyboard Layouts";

// The layout subkeys (such as "E0200804") whose "Ime File" names imeFile. Windows stores
// the file name alone and Wine the whole path, so the file-name parts are compared.
std::vector<std::string> LayoutKeysFor(const char* imeFile);

// The layout handle a subkey name stands for.
HKL LayoutHandle(const std::string& key);
