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

LONG beeps = 0;

BOOL WINAPI CountBeep(UINT) {
  InterlockedIncrement(&beeps);
  return TRUE;
}

std::vector<std::string> answeredBoxes;

int WINAPI AnswerBox(HWND, LPCSTR text, LPCSTR, UINT) {
  answeredBoxes.emplace_back(text ? text : "");
  return IDOK;
}

// The import address slot of a user32 function in this program.
void** ImportSlot(const char* function) {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
  auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
  auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  for (auto* module = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
       module->Name; ++module) {
    if (_stricmp(reinterpret_cast<char*>(base + module->Name), "user32.dll") != 0) continue;
    auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->OriginalFirstThunk);
    auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + module->FirstThunk);
    for (; names->u1.AddressOfData; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<char*>(byName->Name), function) == 0)
        return reinterpret_cast<void**>(&slots->u1.Function);
    }
  }
  return nullptr;
}

void WriteSlot(void** slot, void* value) {
  DWORD protection;
  VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection);
  *slot = value;
  VirtualProtect(slot, sizeof *slot, protection, &protection);
}

}  // namespace

ImportRedirect::ImportRedirect(const char* function, void* replacement)
    : slot(ImportSlot(function)) {
  if (!slot) return;
  original = *slot;
  WriteSlot(slot, replacement);
}

ImportRedirect::~ImportRedirect() {
  if (slot) WriteSlot(slot, original);
}

BeepCounter::BeepCounter() : redirect("MessageBeep", reinterpret_cast<void*>(&CountBeep)) {
  beeps = 0;
}

int BeepCounter::Count() const { return redirect.slot ? static_cast<int>(beeps) : -1; }

MessageBoxAnswerer::MessageBoxAnswerer()
    : redirect("MessageBoxA", reinterpret_cast<void*>(&AnswerBox)) {
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
