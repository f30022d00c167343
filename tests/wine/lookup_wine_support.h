// Shared pieces of the dictionary tests under Wine: a dictionary directory of test files,
// the candidate pool, and blocks made by the engine's own reset operations.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ime/common/ImmDev.h"
#include "ime/engine/CandidateList.h"
#include "tests/native/lookup_dictionaries.h"

// Points the module's dictionary directory at a fresh folder and gives it a candidate pool.
struct DictionaryDir {
  TempFolder folder;
  DictionaryDir();
  ~DictionaryDir();
  std::string File(const std::string& name) const { return folder.File(name); }
};

// A composition block and a candidate block of a context, made by the reset operations.
struct ContextBlocks {
  INPUTCONTEXT context = {};
  LPCOMPOSITIONSTRING composition = nullptr;
  CandidateList* list = nullptr;
  ContextBlocks();
  ~ContextBlocks();
  // Writes code into the composition as typed, with the cursor after it.
  void Type(const std::string& code);
  std::vector<std::string> Records() const;
};
