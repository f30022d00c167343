// The installation that "开始安装" runs, and the settings it writes when it has succeeded.
#pragma once

#include <windows.h>

#include <string>

struct TForm1;

void Install(TForm1& form);

// Writes "声型" and "SetupDir" into the module's settings key. False when the key cannot be
// opened or created.
bool WriteSettings(DWORD initialScheme, const std::string& installDir);
