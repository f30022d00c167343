#include "ime/engine/BlockLayouts.h"

#include <cstring>

static_assert(sizeof(COMPOSITIONSTRING) <= 100);

void LayOutComposition(COMPOSITIONSTRING* cs, std::uint32_t size, std::uint32_t m) {
  cs->dwSize = size;
  cs->dwCompReadAttrOffset = cs->dwCompAttrOffset = 100;
  cs->dwCompReadClauseOffset = cs->dwCompClauseOffset = m + 101;
  cs->dwCompReadStrOffset = cs->dwCompStrOffset = m + 109;
  cs->dwResultReadClauseOffset = 3 * m + 111;
  cs->dwResultReadStrOffset = 3 * m + 119;
  cs->dwResultClauseOffset = 5 * m + 121;
  cs->dwResultStrOffset = 5 * m + 129;
}

void LayOutGuideline(GUIDELINE* guideline, std::string_view title) {
  guideline->dwSize = kGuidelineHeaderSize + static_cast<std::uint32_t>(title.size());
  guideline->dwStrOffset = kGuidelineHeaderSize;
  std::memcpy(reinterpret_cast<char*>(guideline) + kGuidelineHeaderSize, title.data(),
              title.size());
}

void ClearComposition(COMPOSITIONSTRING* cs) {
  cs->dwCompReadAttrLen = cs->dwCompReadClauseLen = cs->dwCompReadStrLen = 0;
  cs->dwCompAttrLen = cs->dwCompClauseLen = cs->dwCompStrLen = 0;
  cs->dwCursorPos = cs->dwDeltaStart = 0;
  cs->dwResultReadClauseLen = cs->dwResultReadStrLen = 0;
  cs->dwResultClauseLen = cs->dwResultStrLen = 0;
}
