#include "tests/wine/lookup_wine_support.h"

#include <cstring>

#include "ime/engine/ContextBlocks.h"
#include "ime/engine/EngineState.h"
#include "ime/settings/Globals.h"

DictionaryDir::DictionaryDir() {
  const std::string dir = folder.Path().string() + "\\";
  std::memset(globals.dictionaryDir, 0, sizeof globals.dictionaryDir);
  std::memcpy(globals.dictionaryDir, dir.data(), dir.size());
  for (char*& buffer : globals.candidatePool) {
    if (!buffer) buffer = new char[kCandidateBufferSize]();
  }
  engine = EngineValues{};
  engine.simplifiedOutput = 1;
  globals.gb2312Only = 0;
  globals.sxScheme = 1;
}

DictionaryDir::~DictionaryDir() {
  for (char*& buffer : globals.candidatePool) {
    delete[] buffer;
    buffer = nullptr;
  }
}

ContextBlocks::ContextBlocks() {
  ResetCompositionBlock(&context);
  ResetCandidateBlock(&context);
  composition = static_cast<LPCOMPOSITIONSTRING>(ImmLockIMCC(context.hCompStr));
  list = CandidateListOf(ImmLockIMCC(context.hCandInfo));
}

ContextBlocks::~ContextBlocks() {
  ImmUnlockIMCC(context.hCompStr);
  ImmUnlockIMCC(context.hCandInfo);
  ImmDestroyIMCC(context.hCompStr);
  ImmDestroyIMCC(context.hCandInfo);
}

void ContextBlocks::Type(const std::string& code) {
  char* buffer = reinterpret_cast<char*>(composition) + composition->dwCompStrOffset;
  std::memcpy(buffer, code.c_str(), code.size() + 1);
  composition->dwCompStrLen = composition->dwCompReadStrLen = composition->dwCursorPos =
      static_cast<DWORD>(code.size());
  list->dwCount = 0;
  list->dwSelection = 0;
}

std::vector<std::string> ContextBlocks::Records() const {
  std::vector<std::string> records;
  for (DWORD k = 0; k < list->dwCount; ++k) records.emplace_back(CandidateRecordAt(list, k));
  return records;
}

namespace {

std::vector<std::string> answeredBoxes;

int WINAPI AnswerBox(HWND, LPCSTR text, LPCSTR, UINT) {
  answeredBoxes.emplace_back(text ? text : "");
  return IDOK;
}

}  // namespace

MessageBoxAnswerer::MessageBoxAnswerer()
    : redirect(GetModuleHandleA(nullptr), "user32.dll", "MessageBoxA",
               reinterpret_cast<void*>(&AnswerBox)) {
  answeredBoxes.clear();
}

std::vector<std::string> MessageBoxAnswerer::Take() {
  std::vector<std::string> texts;
  texts.swap(answeredBoxes);
  return texts;
}

namespace {

DWORD WINAPI AnswerBoxes(LPVOID parameter) {
  auto* reader = static_cast<MessageBoxReader*>(parameter);
  while (WaitForSingleObject(reader->stop, 20) == WAIT_TIMEOUT) {
    HWND box = FindWindowA("#32770", "错误");
    DWORD process = 0;
    if (!box || !IsWindowVisible(box) || !GetWindowThreadProcessId(box, &process) ||
        process != GetCurrentProcessId())
      continue;
    Sleep(50);  // let the box finish setting its text
    char text[256] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    EnterCriticalSection(&reader->lock);
    reader->texts.emplace_back(text);
    LeaveCriticalSection(&reader->lock);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    while (IsWindow(box) && WaitForSingleObject(reader->stop, 10) == WAIT_TIMEOUT) {
    }
  }
  return 0;
}

}  // namespace

MessageBoxReader::MessageBoxReader() {
  InitializeCriticalSection(&lock);
  stop = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  thread = CreateThread(nullptr, 0, AnswerBoxes, this, 0, nullptr);
}

MessageBoxReader::~MessageBoxReader() {
  SetEvent(stop);
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  CloseHandle(stop);
  DeleteCriticalSection(&lock);
}

std::vector<std::string> MessageBoxReader::Texts() {
  EnterCriticalSection(&lock);
  std::vector<std::string> copy = texts;
  LeaveCriticalSection(&lock);
  return copy;
}
