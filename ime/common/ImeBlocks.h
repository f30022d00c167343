// The blocks an input method writes for the input method manager: the composition string,
// the guideline and the translation list's messages. Their layouts follow the platform
// documentation; they are written in fixed-width types (DWORD is 32 bits, WPARAM and LPARAM
// pointer-sized) so that the key core that fills them builds and is tested natively.
#pragma once

#include <cstdint>

typedef struct tagCOMPOSITIONSTRING {
  std::uint32_t dwSize;
  std::uint32_t dwCompReadAttrLen;
  std::uint32_t dwCompReadAttrOffset;
  std::uint32_t dwCompReadClauseLen;
  std::uint32_t dwCompReadClauseOffset;
  std::uint32_t dwCompReadStrLen;
  std::uint32_t dwCompReadStrOffset;
  std::uint32_t dwCompAttrLen;
  std::uint32_t dwCompAttrOffset;
  std::uint32_t dwCompClauseLen;
  std::uint32_t dwCompClauseOffset;
  std::uint32_t dwCompStrLen;
  std::uint32_t dwCompStrOffset;
  std::uint32_t dwCursorPos;
  std::uint32_t dwDeltaStart;
  std::uint32_t dwResultReadClauseLen;
  std::uint32_t dwResultReadClauseOffset;
  std::uint32_t dwResultReadStrLen;
  std::uint32_t dwResultReadStrOffset;
  std::uint32_t dwResultClauseLen;
  std::uint32_t dwResultClauseOffset;
  std::uint32_t dwResultStrLen;
  std::uint32_t dwResultStrOffset;
  std::uint32_t dwPrivateSize;
  std::uint32_t dwPrivateOffset;
} COMPOSITIONSTRING, *PCOMPOSITIONSTRING, *LPCOMPOSITIONSTRING;

typedef struct tagGUIDELINE {
  std::uint32_t dwSize;
  std::uint32_t dwLevel;
  std::uint32_t dwIndex;
  std::uint32_t dwStrLen;
  std::uint32_t dwStrOffset;
  std::uint32_t dwPrivateSize;
  std::uint32_t dwPrivateOffset;
} GUIDELINE, *PGUIDELINE, *LPGUIDELINE;

typedef struct tagTRANSMSG {
  std::uint32_t message;
  std::uintptr_t wParam;
  std::intptr_t lParam;
} TRANSMSG, *PTRANSMSG, *LPTRANSMSG;

static_assert(sizeof(COMPOSITIONSTRING) == 25 * 4);
static_assert(sizeof(GUIDELINE) == 28);
static_assert(sizeof(TRANSMSG) == 3 * sizeof(void*));
