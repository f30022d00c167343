// The engine's private record in each input context (the hPrivate block) and the bits of
// its msgFlags field. The input method manager allocates the block with the size that
// ImeInquire announces, so the layout is fixed at 52 bytes on every platform.
#pragma once

#include <cstddef>
#include <cstdint>

enum EngineState : std::uint32_t {
  kStateIdle = 0,
  kStateComposing = 1,
  kStateChoosing = 2,
  kStateSymbolKeyboard = 4,
};

// msgFlags: request bits ask the message builder for one message each; the two standing
// bits record what has actually been generated.
constexpr std::uint32_t kMsgCandidateOpen = 0x00000001;       // standing
constexpr std::uint32_t kMsgOpenCandidate = 0x00000010;
constexpr std::uint32_t kMsgCloseCandidate = 0x00000100;
constexpr std::uint32_t kMsgChangeCandidate = 0x00001000;
constexpr std::uint32_t kMsgPrivateNotice6 = 0x00004000;
constexpr std::uint32_t kMsgCompositionStarted = 0x00010000;  // standing
constexpr std::uint32_t kMsgStartComposition = 0x00020000;
constexpr std::uint32_t kMsgEndComposition = 0x00040000;
constexpr std::uint32_t kMsgComposition = 0x00080000;
constexpr std::uint32_t kMsgUserDictionaryNotice = 0x00100000;
constexpr std::uint32_t kMsgPrivateNotice5 = 0x00200000;
constexpr std::uint32_t kMsgGuideline = 0x00400000;
constexpr std::uint32_t kMsgInTranslation = 0x00800000;
constexpr std::uint32_t kMsgStandingBits = kMsgCandidateOpen | kMsgCompositionStarted;

// The IMN_PRIVATE code of kMsgUserDictionaryNotice: the UI tells the user that the user
// dictionary cannot be read.
constexpr std::uint32_t kPrivateUserDictionaryNotice = 9;

// gcsFlags after a change of the code, and with a commit.
constexpr std::uint32_t kGcsCodeChanged = 0x1BF;
constexpr std::uint32_t kGcsCommitted = 0x1FBF;
constexpr std::uint32_t kGcsResultBits = 0x1E00;

constexpr std::size_t kTypedKeysSize = 20;

struct PrivateRecord {
  std::uint32_t state;            // EngineState
  std::uint32_t msgFlags;
  std::uint32_t compChar;         // wParam of the next WM_IME_COMPOSITION
  std::uint32_t gcsFlags;         // lParam of the next WM_IME_COMPOSITION
  std::uint32_t doubleQuoteOpen;
  std::uint32_t singleQuoteOpen;
  std::uint32_t angleDepth;
  std::uint32_t angleOpen;
  char typedKeys[kTypedKeysSize];  // zero-terminated, at most maxCodeLength characters
};

constexpr std::size_t kPrivateRecordSize = 52;
static_assert(sizeof(PrivateRecord) == kPrivateRecordSize);
static_assert(offsetof(PrivateRecord, typedKeys) == 32);
// ImeSelect zeroes the eight 32-bit fields and the first 4 bytes of typedKeys.
constexpr std::size_t kPrivateRecordResetSize = 36;
