// Shared pieces of the dictionary tests under Wine: a dictionary directory of test files,
// the candidate pool, blocks made by the engine's own reset operations, and a reader that
// answers the module's message boxes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "ime/common/ImmDev.h"
#include "ime/engine/CandidateList.h"
#include "tests/native/lookup_dictionaries.h"
#include "tests/wine/support/ImportRedirect.h"

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

// Answers every MessageBoxA of this program at once with OK, as a user would, and records
// the texts, by redirecting the import while alive: for drivers that meet many boxes.
struct MessageBoxAnswerer {
  MessageBoxAnswerer();
  // The texts of the boxes answered so far, and forgets them.
  std::vector<std::string> Take();

  ImportRedirect redirect;
};

// Watches for message boxes with the caption "错误" of this process on a thread of its
// own, records their text and presses OK.
struct MessageBoxReader {
  MessageBoxReader();
  ~MessageBoxReader();
  // The texts of the boxes answered so far.
  std::vector<std::string> Texts();

  HANDLE thread = nullptr;
  HANDLE stop = nullptr;
  CRITICAL_SECTION lock;
  std::vector<std::string> texts;
};
