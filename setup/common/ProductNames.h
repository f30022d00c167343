// Names the installer, the uninstaller and the updater share with the module: its files,
// its settings key, and the places the installation is recorded.
#pragma once

inline constexpr char kProductName[] = "Lumatori输入法";
inline constexpr char kPublisher[] = "Lumatori 开发组";

inline constexpr char kImeFile[] = "lumatori.ime";
inline constexpr char kSqliteFile[] = "lmtdbmanger.dll";
inline constexpr char kHelpFile[] = "lumatori.chm";
inline constexpr char kHelpFolder[] = "help\\";
inline constexpr char kDictionaryPackageFile[] = "lumatori.exe";
inline constexpr char kUpdaterFile[] = "lumatoriup.exe";
inline constexpr char kOtherProgramFile[] = "lumatoriother.exe";
inline constexpr char kUninstallerFile[] = "lmtuninstall.exe";
inline constexpr char kUserDictionary[] = "lumatoridb\\lmtsys_user.db";
inline constexpr char kUserDictionaryBackup[] = "lumatoridb\\lmtsys_userbak.db";
inline constexpr char kDictionaryFolder[] = "lumatoridb";

// The Start-menu folder below the user's Programs folder, and the uninstall shortcut in it.
inline constexpr char kStartMenuFolder[] = "Lumatori输入法";
inline constexpr char kUninstallShortcut[] = "卸载Lumatori输入法.lnk";

// HKEY_CURRENT_USER: the module's settings.
inline constexpr char kSettingsParentKey[] = "Software\\Microsoft\\Windows\\CurrentVersion";
inline constexpr char kSettingsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\LUMatori";
inline constexpr char kSettingsKeyName[] = "LUMatori";
// The updater's values in the settings key: the address of the update manifest (absent:
// no checks) and the day of the last check (YYYYMMDD).
inline constexpr char kUpdateAddressValue[] = "更新地址";
inline constexpr char kUpdateCheckDayValue[] = "更新检查日";

// HKEY_LOCAL_MACHINE, 32-bit registry view: the entry in the list of installed programs.
inline constexpr char kUninstallEntryKey[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lumatori";
