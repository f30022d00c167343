// The engine's process-wide values: one record, shared by every input context of the
// process (one context is active at a time, all on the application's thread). What belongs
// to one context's input lives in its private record instead.
#pragma once

#include <cstdint>
#include <string>

#include "ime/dictionary/PhraseCodeRule.h"

struct EngineValues {
  std::uint16_t maxCodeLength = kSxMaxCodeLength;  // by the scheme
  // The custom search string, which commits extend in custom search mode (searchMode 1).
  std::string customSearch;
  std::uint32_t searchMode = 0;
  // 0: candidates are converted to traditional; follows the conversion mode's traditional
  // bit at each change of the mode.
  std::uint8_t simplifiedOutput = 1;
  std::uint32_t softKeyboardIndex = 0;  // 0: none; 1-12: the layout in use
  std::uint32_t capsForcedEnglish = 0;  // 1 while Caps Lock has switched to English
  // Armed by a commit that leaves no list: the candidate window hides a while after tick.
  std::uint8_t autoHideArmed = 0;
  std::uint64_t autoHideTick = 0;
  std::uint8_t userDictionaryNoticeGiven = 0;  // the user was told it cannot be read
};

// The values a process starts with, for the scheme of its settings.
EngineValues StartingEngine(CodeScheme scheme);
