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
