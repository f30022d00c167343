#include "ime/engine/EngineInstance.h"

#include <windows.h>

#include "ime/dictionary/TraditionalConversion.h"
#include "ime/engine/HostQuirks.h"
#include "ime/settings/Globals.h"

EngineValues engine;

namespace {

constexpr UINT kGbkCodePage = 936;

std::uint16_t GbkPairToUtf16(const char* pair) {
  WCHAR unit = 0;
  return MultiByteToWideChar(kGbkCodePage, MB_ERR_INVALID_CHARS, pair, 2, &unit, 1) == 1 ? unit
                                                                                          : 0;
}

}  // namespace

EngineSettings CurrentEngineSettings() {
  EngineSettings settings;
  settings.dictionaries = ActiveDictionaries();
  settings.verticalLayout = globals.verticalLayout != 0;
  settings.quoteSelectsSecond = globals.quoteSelectsSecond == 1;
  settings.periodSelectsThird = globals.periodSelectsThird == 1;
  settings.wordAssociation = globals.wordAssociation != 0;
  settings.gb2312Only = globals.gb2312Only == 1;
  return settings;
}

const HostServices& CurrentHostServices() {
  static HostServices services;
  const HostQuirks& quirks = CurrentHostQuirks();
  services.wideCharacter = quirks.unicodeCharacters ? GbkPairToUtf16 : nullptr;
  services.endCompositionAtCommit = quirks.endCompositionAtCommit;
  services.toTraditional = ToTraditional;
  services.toSimplified = ToSimplified;
  return services;
}
