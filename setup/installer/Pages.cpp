#include "setup/installer/Pages.h"

namespace {

// Editions 1 to 3; any other number installs as edition 1 without a title suffix.
int KnownEdition(int edition) { return edition == 2 || edition == 3 ? edition : 1; }

}  // namespace

int DigitResource(const void* data, std::size_t size) {
  if (!data || size == 0) return 0;
  const char first = *static_cast<const char*>(data);
  return first >= '0' && first <= '9' ? first - '0' : 0;
}

const char* EditionTitleSuffix(int edition) {
  switch (edition) {
    case 1: return "——纯单字";
    case 2: return "——字型词组";
    case 3: return "——声型词组";
    default: return "";
  }
}

WizardPage PageOf(int edition, int page) {
  if (page <= 1) return {false, "STARTBMP", false};
  if (page == 2) return {true, nullptr, false};
  switch (KnownEdition(edition)) {
    case 2: return {false, "ZXSTARTBMP", true};
    case 3: return {false, "SXSTARTBMP", true};
    default:
      return page == 3 ? WizardPage{false, "ZXSTARTBMP", false}
                       : WizardPage{false, "SXSTARTBMP", true};
  }
}

const char* FinalPicture(int edition) {
  switch (KnownEdition(edition)) {
    case 2: return "ZXENDBMP";
    case 3: return "SXENDBMP";
    default: return "ENDBMP";
  }
}
