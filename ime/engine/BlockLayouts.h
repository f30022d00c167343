// The reset layouts of the composition and guideline blocks, and the clearing of a
// composition; the candidate block's is in CandidateList.h.
#pragma once

#include <cstdint>
#include <string_view>

#include "ime/common/ImeBlocks.h"

// Size of the composition block for a maximum code length of m bytes.
constexpr std::uint32_t CompositionBlockSize(std::uint32_t m) { return 5 * m + 259; }
constexpr std::uint32_t kGuidelineHeaderSize = sizeof(GUIDELINE);

// Writes the reset layout for code length m into a zeroed block of size bytes.
void LayOutComposition(COMPOSITIONSTRING* block, std::uint32_t size, std::uint32_t m);
// Writes the reset layout into a zeroed block of kGuidelineHeaderSize + title.size() bytes:
// the title follows the header, without its zero byte.
void LayOutGuideline(GUIDELINE* block, std::string_view title);

// Sets every length, the cursor and the delta to 0; the buffers keep their bytes.
void ClearComposition(COMPOSITIONSTRING* composition);
