// One call of the key core on one input context: what the IMM adapter locked for it, the
// engine's process-wide values and settings, and where the messages go. The core is plain
// functions over this record; it builds natively and its tests run under the sanitizers.
#pragma once

#include <cstdint>

#include "ime/common/ImeBlocks.h"
#include "ime/dictionary/CandidateRecord.h"
#include "ime/dictionary/DictionaryFiles.h"
#include "ime/engine/EngineState.h"
#include "ime/engine/PrivateRecord.h"

// Where built messages go. The adapter delivers them to ImeToAsciiEx's translation list or
// to the context's message buffer, and has the input method manager send that buffer.
class MessageSink {
public:
  // Into the translation list when toList holds and the list has room for all of them,
  // else appended to the context's message buffer; the number delivered, 0 when the buffer
  // could not take them.
  virtual std::uint32_t Deliver(const TRANSMSG* messages, std::uint32_t count, bool toList) = 0;
  // The manager sends the message buffer, count messages longer than it was.
  virtual void Send(std::uint32_t count) = 0;

protected:
  ~MessageSink() = default;
};

// The settings a call reads (read-only: the settings dialog changes them between calls).
struct EngineSettings {
  DictionarySet dictionaries;  // the folder and the active scheme
  bool verticalLayout = true;
  bool quoteSelectsSecond = true;
  bool periodSelectsThird = true;
  bool wordAssociation = false;
  bool gb2312Only = true;
};

// What the host application's platform gives the engine.
struct HostServices {
  // The UTF-16 unit of a GBK double-byte character where the host posts character messages
  // as Unicode; nullptr where it takes the two bytes.
  std::uint16_t (*wideCharacter)(const char* pair) = nullptr;
  // A commit ends the composition (the host's edit control keeps it inline until then).
  bool endCompositionAtCommit = false;
  TextConverter toTraditional = nullptr;
  TextConverter toSimplified = nullptr;
};

struct EngineCall {
  // The context, locked by the adapter; a block pointer is nullptr when the block is
  // missing. mode is the context's conversion mode, which a mode change writes (the
  // adapter stores it back, before every message the manager sends).
  std::uint32_t mode;
  bool open;
  PrivateRecord& record;
  COMPOSITIONSTRING* composition;
  GUIDELINE* guideline;
  void* candidates;  // the candidate information block

  EngineValues& engine;
  const EngineSettings& settings;
  const HostServices& host;
  char* const* pool;  // kMaxCandidates buffers of kCandidateRecordSize bytes
  std::uint64_t now;  // the tick count of the call
  MessageSink& sink;
  int beeps = 0;      // system beeps the adapter gives after the call

  void Beep() { ++beeps; }
  InputFacts& facts() { return record.facts; }
  bool Sx() const { return settings.dictionaries.scheme == CodeScheme::sx; }
};
