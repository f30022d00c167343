// The engine's private record in each input context (the hPrivate block): the state of the
// code being typed, the message requests, the punctuation pairs, and the facts of the
// context's input (its last lookup, its association list, its chosen candidate). All of it
// belongs to the one context, so another window's keys never reach it. ImeInquire announces
// its size, from which the input method manager allocates the block.
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
constexpr std::size_t kSearchTextSize = 64;
// The committed text an association list continues: a display text of at most 64 bytes.
constexpr std::size_t kAssociationPrefixSize = 72;

// What the context's last lookup and commit leave for its next keys and for its windows.
struct InputFacts {
  std::uint32_t foundCount;       // candidates of the last code lookup
  std::uint16_t codeLengthLimit;  // how long the code may still grow
  std::uint8_t candidateChosen;   // 1: a commit takes the candidate at dwSelection
  std::uint8_t searchTextFollowsList;  // 0: the search text is the single candidate's
  char searchText[kSearchTextSize];    // zero-terminated
  // The committed text while an association list is up, zero-terminated; empty otherwise.
  char associationPrefix[kAssociationPrefixSize];
  std::uint8_t afterDigit;  // 1: the last key the context saw typed a digit
};

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
  InputFacts facts;
  // The window the context's keys were last typed into (a handle value): where its
  // composition shows, and so where the composition must end.
  std::uint64_t typingWindow;
  // 1 when the context's window, at its last activation, cleared ISC_SHOWUICANDIDATEWINDOW
  // to draw the candidates itself; kept for hosts where the module repeats the activation.
  std::uint32_t applicationDrawsCandidates;
};

static_assert(offsetof(PrivateRecord, typedKeys) == 32);
static_assert(offsetof(PrivateRecord, facts) == 52);
constexpr std::size_t kPrivateRecordSize = sizeof(PrivateRecord);
// A selection zeroes the eight 32-bit fields and the first 4 bytes of typedKeys; the facts
// start anew.
constexpr std::size_t kPrivateRecordResetSize = 36;
