#include "tests/wine/engine_harness.h"

#include <cstring>

#include "ime/dictionary/HeldConnections.h"
#include "ime/engine/EngineInstance.h"
#include "ime/engine/HostQuirks.h"
#include "ime/settings/Globals.h"

namespace {

Trace sent;

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_IME_STARTCOMPOSITION:
    case WM_IME_ENDCOMPOSITION:
    case WM_IME_COMPOSITION:
    case WM_IME_NOTIFY:
    case WM_IME_SETCONTEXT:
      sent.push_back({message, wParam, lParam});
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

const char* MessageName(UINT message) {
  switch (message) {
    case WM_IME_STARTCOMPOSITION: return "STARTCOMPOSITION";
    case WM_IME_ENDCOMPOSITION: return "ENDCOMPOSITION";
    case WM_IME_COMPOSITION: return "COMPOSITION";
    case WM_IME_NOTIFY: return "NOTIFY";
    case WM_CHAR: return "WM_CHAR";
    default: return "?";
  }
}

template <typename T, typename F>
T WithBlock(HIMC himc, HIMCC INPUTCONTEXT::*member, F read) {
  LPINPUTCONTEXT context = ImmLockIMC(himc);
  void* block = ImmLockIMCC(context->*member);
  T value = read(block, context);
  ImmUnlockIMCC(context->*member);
  ImmUnlockIMC(himc);
  return value;
}

}  // namespace

void PrintTo(const Msg& msg, std::ostream* out) {
  *out << MessageName(msg.message) << "(" << std::hex << "0x" << msg.wParam << ", 0x"
       << msg.lParam << ")" << std::dec;
}

Msg Start() { return {WM_IME_STARTCOMPOSITION, 0, 0}; }
Msg End() { return {WM_IME_ENDCOMPOSITION, 0, 0}; }
Msg Composition(WPARAM ch, LPARAM gcs) { return {WM_IME_COMPOSITION, ch, gcs}; }
Msg Notify(WPARAM notification, LPARAM argument) { return {WM_IME_NOTIFY, notification, argument}; }
Msg Char(WPARAM ch, LPARAM lParam) { return {WM_CHAR, ch, lParam}; }

Trace& SentMessages() { return sent; }

Trace SentImeMessages() {
  Trace own;
  for (const Msg& msg : sent) {
    if (msg.message == WM_IME_SETCONTEXT) continue;
    if (msg.message == WM_IME_NOTIFY &&
        (msg.wParam == IMN_SETCONVERSIONMODE || msg.wParam == IMN_SETOPENSTATUS ||
         msg.wParam == IMN_SETSENTENCEMODE))
      continue;
    own.push_back(msg);
  }
  return own;
}

TestDictionaries::TestDictionaries(const std::vector<DictionaryFileRows>& files) {
  const std::string dir = folder_.File("lumatoridb");
  CreateDirectoryA(dir.c_str(), nullptr);
  const std::string path = dir + "\\";
  WriteDictionaryFolder(path, files);
  std::memset(globals.dictionaryDir, 0, sizeof globals.dictionaryDir);
  std::memcpy(globals.dictionaryDir, path.data(), path.size());
}

void ResetEngineForTests() {
  hostQuirks = {true, false, false};
  globals.verticalLayout = 1;
  globals.quoteSelectsSecond = 1;
  globals.periodSelectsThird = 1;
  globals.wordAssociation = 0;
  globals.gb2312Only = 1;
  globals.sxScheme = 0;
  engine = StartingEngine(CodeScheme::zx);
}

void EngineContextTest::SetUp() {
  ResetEngineForTests();
  static ATOM windowClass = [] {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = RecordingProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "EngineTestWindow";
    return RegisterClassA(&wc);
  }();
  ASSERT_NE(windowClass, 0);
  window_ = CreateWindowA("EngineTestWindow", "engine", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                          200, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window_, nullptr);
  SetForegroundWindow(window_);
  SetFocus(window_);
  himc_ = SelectedContext();
  ASSERT_NE(himc_, nullptr);
  ImmAssociateContext(window_, himc_);
  sent.clear();
}

HIMC EngineContextTest::SelectedContext() {
  HIMC himc = ImmCreateContext();
  LPINPUTCONTEXT context = himc ? ImmLockIMC(himc) : nullptr;
  if (!context) return nullptr;
  // The manager sizes the private block from ImeInquire's answer.
  context->hPrivate = context->hPrivate ? ImmReSizeIMCC(context->hPrivate, kPrivateRecordSize)
                                        : ImmCreateIMCC(kPrivateRecordSize);
  context->hWnd = window_;
  ImmUnlockIMC(himc);
  EXPECT_TRUE(ImeSelect(himc, TRUE));
  return himc;
}

void EngineContextTest::TearDown() {
  if (himc_) {
    ImeSelect(himc_, FALSE);
    ImmAssociateContext(window_, nullptr);
    ImmDestroyContext(himc_);
  }
  if (window_) DestroyWindow(window_);
  CloseHeldConnections();  // as ImeDestroy does: the test's folder can be deleted
}

KeyResult EngineContextTest::Press(UINT vk, bool shift) { return PressIn(himc_, vk, shift); }

KeyResult EngineContextTest::PressIn(HIMC himc, UINT vk, bool shift) {
  BYTE state[256] = {};
  if (shift) state[VK_SHIFT] = 0x80;
  const UINT scan = MapVirtualKeyA(vk, MAPVK_VK_TO_VSC);
  const LPARAM keyData = static_cast<LPARAM>(scan << 16) | 1;
  KeyResult result{ImeProcessKey(himc, vk, keyData, state) != FALSE, {}, 0};
  if (!result.taken) return result;
  WORD chars[2] = {};
  const UINT ch = ToAscii(vk, scan, state, chars, 0) > 0 ? chars[0] & 0xFF : 0;
  struct {
    UINT uMsgCount;
    TRANSMSG TransMsg[10];
  } buffer = {10, {}};
  auto* list = reinterpret_cast<LPTRANSMSGLIST>(&buffer);
  result.returned = ImeToAsciiEx(vk | (ch << 8), scan, state, list, 0, himc);
  for (UINT i = 0; i < result.returned && i < 10; ++i)
    result.messages.push_back({list->TransMsg[i].message, list->TransMsg[i].wParam,
                               list->TransMsg[i].lParam});
  return result;
}

void EngineContextTest::Type(const std::string& letters) {
  for (char letter : letters) {
    const UINT vk = letter >= 'a' && letter <= 'z' ? letter - 'a' + 'A' : VkKeyScanA(letter) & 0xFF;
    Press(vk);
  }
}

void EngineContextTest::SetRowsDrawn(DWORD rows) {
  WithBlock<int>(himc_, &INPUTCONTEXT::hCandInfo, [&](void* block, LPINPUTCONTEXT) {
    CandidateListOf(block)->rowsDrawn = rows;
    return 0;
  });
}

void EngineContextTest::EmptyCandidateList() {
  WithBlock<int>(himc_, &INPUTCONTEXT::hCandInfo, [&](void* block, LPINPUTCONTEXT) {
    CandidateListOf(block)->dwCount = 0;
    return 0;
  });
}

CandidateList EngineContextTest::Candidates() {
  return WithBlock<CandidateList>(himc_, &INPUTCONTEXT::hCandInfo, [](void* block, LPINPUTCONTEXT) {
    return *CandidateListOf(block);
  });
}

std::string EngineContextTest::CandidateText(DWORD index) {
  return WithBlock<std::string>(himc_, &INPUTCONTEXT::hCandInfo, [&](void* block, LPINPUTCONTEXT) {
    return std::string(CandidateRecordText(globals.candidatePool, CandidateListOf(block), index));
  });
}

std::string EngineContextTest::ResultString() {
  return WithBlock<std::string>(himc_, &INPUTCONTEXT::hCompStr, [](void* block, LPINPUTCONTEXT) {
    auto* cs = static_cast<LPCOMPOSITIONSTRING>(block);
    return std::string(static_cast<char*>(block) + cs->dwResultStrOffset, cs->dwResultStrLen);
  });
}

std::string EngineContextTest::CompositionString() {
  return WithBlock<std::string>(himc_, &INPUTCONTEXT::hCompStr, [](void* block, LPINPUTCONTEXT) {
    auto* cs = static_cast<LPCOMPOSITIONSTRING>(block);
    return std::string(static_cast<char*>(block) + cs->dwCompStrOffset, cs->dwCompStrLen);
  });
}

PrivateRecord EngineContextTest::Private() {
  return WithBlock<PrivateRecord>(himc_, &INPUTCONTEXT::hPrivate, [](void* block, LPINPUTCONTEXT) {
    return *static_cast<PrivateRecord*>(block);
  });
}

DWORD EngineContextTest::GuidelineLevel() {
  return WithBlock<DWORD>(himc_, &INPUTCONTEXT::hGuideLine, [](void* block, LPINPUTCONTEXT) {
    return static_cast<LPGUIDELINE>(block)->dwLevel;
  });
}

DWORD EngineContextTest::ConversionMode() {
  LPINPUTCONTEXT context = ImmLockIMC(himc_);
  const DWORD mode = context->fdwConversion;
  ImmUnlockIMC(himc_);
  return mode;
}

void EngineContextTest::SetConversionMode(DWORD mode) {
  LPINPUTCONTEXT context = ImmLockIMC(himc_);
  context->fdwConversion = mode;
  ImmUnlockIMC(himc_);
}

void EngineContextTest::SetOpen(BOOL open) {
  LPINPUTCONTEXT context = ImmLockIMC(himc_);
  context->fOpen = open;
  ImmUnlockIMC(himc_);
}
