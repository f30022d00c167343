#include "tests/native/engine_core_harness.h"

#include <cstring>
#include <ostream>

#include "ime/dictionary/VariantTable.h"
#include "ime/engine/BlockLayouts.h"
#include "ime/engine/ImeValues.h"
#include "ime/engine/InputControl.h"
#include "ime/engine/KeyCore.h"

namespace {

constexpr std::uint32_t kListCapacity = 10;  // the translation list of the manager
const char kErrorTitle[] = "错误";

std::string Traditional(const std::string& text) { return TableToTraditional(text); }
std::string Simplified(const std::string& text) { return TableToSimplified(text); }

// The US layout's virtual keys of the punctuation keys.
unsigned PunctuationKey(char ch) {
  switch (ch) {
    case ';': case ':': return 0xBA;
    case '=': case '+': return 0xBB;
    case ',': case '<': return 0xBC;
    case '-': case '_': return 0xBD;
    case '.': case '>': return 0xBE;
    case '/': case '?': return 0xBF;
    case '`': case '~': return 0xC0;
    case '[': case '{': return 0xDB;
    case '\\': case '|': return 0xDC;
    case ']': case '}': return 0xDD;
    case '\'': case '"': return 0xDE;
    default: return 0;
  }
}

}  // namespace

KeyEvent Letter(char letter) {
  KeyEvent key;
  key.ch = static_cast<unsigned char>(letter);
  key.vk = static_cast<unsigned>(letter - 'a' + 'A');
  return key;
}

KeyEvent Shifted(char letter) {
  KeyEvent key = Letter(letter);
  key.ch = key.vk;
  key.shifted = true;
  return key;
}

KeyEvent Char(char ch) {
  KeyEvent key;
  key.ch = static_cast<unsigned char>(ch);
  if (ch >= '0' && ch <= '9') {
    key.vk = static_cast<unsigned>(ch);
  } else if (const char* shiftedDigit = std::strchr(")!@#$%^&*(", ch)) {
    key.vk = static_cast<unsigned>('0' + (shiftedDigit - ")!@#$%^&*("));
    key.shifted = true;
  } else {
    key.vk = PunctuationKey(ch);
    key.shifted = std::strchr(":+<_>?~{|}\"", ch) != nullptr;
  }
  return key;
}

KeyEvent Named(unsigned vk) {
  KeyEvent key;
  key.vk = vk;
  switch (vk) {
    case kVkSpace: key.ch = ' '; break;
    case kVkReturn: key.ch = 13; break;
    case kVkEscape: key.ch = 27; break;
    case kVkBack: key.ch = 8; break;
    default: break;
  }
  return key;
}

CoreContext::CoreContext(const std::vector<DictionaryFileRows>& files, CodeScheme scheme)
    : buffers_(kMaxCandidates, std::vector<char>(kCandidateRecordSize)) {
  WriteDictionaryFolder(folder.File(""), files);
  settings.dictionaries = {folder.File(""), scheme};
  host.toTraditional = Traditional;
  host.toSimplified = Simplified;
  engine = StartingEngine(scheme);
  for (std::vector<char>& buffer : buffers_) pool_.push_back(buffer.data());

  const std::uint32_t m = engine.maxCodeLength;
  composition_.assign(CompositionBlockSize(m), 0);
  LayOutComposition(Composition(), static_cast<std::uint32_t>(composition_.size()), m);
  guideline_.assign(kGuidelineHeaderSize + sizeof kErrorTitle - 1, 0);
  LayOutGuideline(Guideline(), std::string_view(kErrorTitle, sizeof kErrorTitle - 1));
  candidates_.assign(kCandidateInfoSize, 0);
  InitCandidateInfo(candidates_.data());
  StartInput(record, engine);
}

EngineCall CoreContext::Call() {
  return {mode,     open,     record,   Composition(), Guideline(), candidates_.data(),
          engine,   settings, host,     pool_.data(),  1000,        *this};
}

KeyResult CoreContext::Press(const KeyEvent& key) {
  KeyResult result;
  EngineCall processing = Call();
  const KeyDecision decision = ProcessKey(processing, key);
  mode = processing.mode;
  if (decision.switchesMode) mode = decision.mode;
  result.taken = decision.taken;
  result.switchesMode = decision.switchesMode;
  result.beeps = processing.beeps;
  if (decision.taken) {
    EngineCall translating = Call();
    list_.clear();
    TranslateKey(translating, key);
    mode = translating.mode;
    result.returned = list_;
    result.beeps += translating.beeps;
  }
  beeps += result.beeps;
  return result;
}

void CoreContext::Type(const std::string& letters) {
  for (char letter : letters) Press(letter >= 'a' && letter <= 'z' ? Letter(letter) : Char(letter));
}

std::vector<TRANSMSG> CoreContext::TakeSent() {
  std::vector<TRANSMSG> sent;
  sent.swap(sent_);
  return sent;
}

std::vector<std::string> CoreContext::Records() {
  std::vector<std::string> records;
  for (std::uint32_t k = 0; k < List()->dwCount; ++k) records.emplace_back(pool_[k]);
  return records;
}

std::string CoreContext::CandidateText(std::uint32_t index) {
  return std::string(CandidateRecordText(pool_.data(), List(), index));
}

std::string CoreContext::CompositionString() {
  return std::string(composition_.data() + Composition()->dwCompStrOffset, Composition()->dwCompStrLen);
}

std::string CoreContext::ResultString() {
  return std::string(composition_.data() + Composition()->dwResultStrOffset,
                     Composition()->dwResultStrLen);
}

COMPOSITIONSTRING* CoreContext::Composition() {
  return reinterpret_cast<COMPOSITIONSTRING*>(composition_.data());
}

GUIDELINE* CoreContext::Guideline() { return reinterpret_cast<GUIDELINE*>(guideline_.data()); }

std::uint32_t CoreContext::Deliver(const TRANSMSG* messages, std::uint32_t count, bool toList) {
  if (toList && count <= kListCapacity) {
    list_.assign(messages, messages + count);
  } else {
    messageBuffer_.insert(messageBuffer_.end(), messages, messages + count);
  }
  return count;
}

void CoreContext::Send(std::uint32_t) {
  sent_.insert(sent_.end(), messageBuffer_.begin(), messageBuffer_.end());
  messageBuffer_.clear();
}

bool operator==(const TRANSMSG& a, const TRANSMSG& b) {
  return a.message == b.message && a.wParam == b.wParam && a.lParam == b.lParam;
}

void PrintTo(const TRANSMSG& message, std::ostream* out) {
  *out << std::hex << "{0x" << message.message << ", 0x" << message.wParam << ", 0x"
       << message.lParam << "}" << std::dec;
}
