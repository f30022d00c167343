// The engine's module-wide values: one copy per process, shared by every input context
// of that process (one context is active at a time, all on the application's thread).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

constexpr std::uint16_t kSxMaxCodeLength = 8;
constexpr std::uint16_t kZxMaxCodeLength = 4;
constexpr std::size_t kSearchTextSize = 64;

struct EngineValues {
  std::uint16_t maxCodeLength = kSxMaxCodeLength;    // M, by the scheme
  std::uint16_t codeLengthLimit = kSxMaxCodeLength;  // how long the code may still grow
  std::uint32_t foundCount = 0;                      // candidates of the last code lookup
  char searchText[kSearchTextSize] = {};
  std::uint8_t searchTextFollowsList = 1;
  std::string customSearch;
  std::uint32_t searchMode = 0;
  std::string associationPrefix;  // the committed text while an association list is up
  std::uint8_t candidateChosen = 0;
  // 0: candidates are converted to traditional; follows the conversion mode's traditional
  // bit at each change of the mode.
  std::uint8_t simplifiedOutput = 1;
  std::uint32_t softKeyboardIndex = 0;
  std::uint32_t capsForcedEnglish = 0;
  std::uint8_t autoHideArmed = 0;
  std::uint64_t autoHideTick = 0;
  std::uint8_t userDictionaryNoticeGiven = 0;  // the user was told it cannot be read

  // Placement defaults that the UI start-up computes: the status window's size and the
  // default composition position in screen coordinates.
  std::int32_t statusWindowWidth = 0;
  std::int32_t statusWindowHeight = 0;
  std::int32_t defaultCompositionX = 0;
  std::int32_t defaultCompositionY = 0;
};

extern EngineValues engine;

// The code length of a scheme (sx 1: 8 letters, zx: 4), as maxCodeLength and
// codeLengthLimit; at start-up and whenever the scheme changes.
void UseSchemeCodeLength(std::uint8_t sxScheme);
