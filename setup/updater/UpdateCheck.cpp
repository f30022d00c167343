#include "setup/updater/UpdateCheck.h"

#include <windows.h>

#include "setup/common/ProductNames.h"
#include "setup/updater/HttpFetch.h"

namespace {

DWORD Today() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return now.wYear * 10000u + now.wMonth * 100u + now.wDay;
}

}  // namespace

std::string UpdateAddress() {
  char address[1100] = {};
  DWORD size = sizeof address - 1;
  if (RegGetValueA(HKEY_CURRENT_USER, kSettingsKey, kUpdateAddressValue, RRF_RT_REG_SZ, nullptr,
                   address, &size) != ERROR_SUCCESS ||
      !IsWebAddress(address)) {
    return std::string();
  }
  return address;
}

bool ClaimTodaysCheck() {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key) !=
      ERROR_SUCCESS) {
    return false;
  }
  const DWORD today = Today();
  DWORD checked = 0;
  DWORD size = sizeof checked;
  DWORD type = 0;
  const bool checkedToday =
      RegQueryValueExA(key, kUpdateCheckDayValue, nullptr, &type,
                       reinterpret_cast<BYTE*>(&checked), &size) == ERROR_SUCCESS &&
      type == REG_DWORD && checked == today;
  const bool claimed =
      !checkedToday && RegSetValueExA(key, kUpdateCheckDayValue, 0, REG_DWORD,
                                      reinterpret_cast<const BYTE*>(&today),
                                      sizeof today) == ERROR_SUCCESS;
  RegCloseKey(key);
  return claimed;
}

bool FindNewerVersion(const std::string& address, VersionNumber installed,
                      UpdateManifest* manifest) {
  std::string body;
  return FetchSmallDocument(address, kMaxManifestBytes, &body) &&
         ParseUpdateManifest(body.data(), body.size(), manifest) && manifest->version > installed;
}
