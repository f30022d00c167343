// A context for the key core in plain memory: the private record and the composition,
// guideline and candidate blocks as ImeSelect lays them out, small encrypted dictionaries,
// and the messages the core delivers, recorded where the manager would take them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ime/engine/CandidateList.h"
#include "ime/engine/EngineCall.h"
#include "ime/engine/KeyClassify.h"
#include "tests/native/lookup_dictionaries.h"

// Keys as the manager hands them over: a character with its virtual key.
KeyEvent Letter(char letter);           // a-z, with the upper-case virtual key
KeyEvent Shifted(char letter);          // Shift + a-z: the upper-case character
KeyEvent Char(char ch);                 // digits and punctuation with their virtual keys
KeyEvent Named(unsigned vk);            // Space, Enter, Esc, Backspace and the paging keys

struct KeyResult {
  bool taken = false;
  bool switchesMode = false;  // Caps Lock
  std::vector<TRANSMSG> returned;  // ImeToAsciiEx's translation list
  int beeps = 0;
};

class CoreContext : private MessageSink {
public:
  // zx (code length 4) or sx (8); the files are written into a fresh folder with both
  // tables, the user dictionary included.
  explicit CoreContext(const std::vector<DictionaryFileRows>& files,
                       CodeScheme scheme = CodeScheme::zx);

  // ImeProcessKey, then ImeToAsciiEx for a taken key.
  KeyResult Press(const KeyEvent& key);
  void Type(const std::string& letters);
  // One call of the core, as an entry point or a window makes it.
  EngineCall Call();

  // The messages the manager was made to send (outside ImeToAsciiEx), then forgotten.
  std::vector<TRANSMSG> TakeSent();

  CandidateList* List() { return CandidateListOf(candidates_.data()); }
  char* const* Pool() const { return pool_.data(); }
  std::vector<std::string> Records();        // the list's records, in order
  std::string CandidateText(std::uint32_t index);  // a record without its marker
  std::string CompositionString();
  std::string ResultString();
  COMPOSITIONSTRING* Composition();
  GUIDELINE* Guideline();

  TempFolder folder;
  PrivateRecord record{};
  EngineValues engine;
  EngineSettings settings;
  HostServices host;
  std::uint32_t mode = 0x0001;  // Chinese
  bool open = true;
  int beeps = 0;  // of every call so far

private:
  std::uint32_t Deliver(const TRANSMSG* messages, std::uint32_t count, bool toList) override;
  void Send(std::uint32_t count) override;

  std::vector<char> composition_, guideline_, candidates_;
  std::vector<std::vector<char>> buffers_;
  std::vector<char*> pool_;
  std::vector<TRANSMSG> list_, messageBuffer_, sent_;
};

// The same message, for comparing traces.
bool operator==(const TRANSMSG& a, const TRANSMSG& b);
void PrintTo(const TRANSMSG& message, std::ostream* out);
