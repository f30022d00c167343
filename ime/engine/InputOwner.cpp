#include "ime/engine/InputOwner.h"

#include "ime/engine/EngineState.h"

namespace {

HIMC owner = nullptr;

void DropInputFacts() {
  engine.associationPrefix.clear();
  engine.candidateChosen = 0;
  engine.foundCount = 0;
  engine.codeLengthLimit = engine.maxCodeLength;
  engine.searchText[0] = '\0';
  engine.searchTextFollowsList = 1;
}

}  // namespace

void ClaimInput(HIMC himc) {
  if (!himc || himc == owner) return;
  DropInputFacts();
  owner = himc;
}

void ReleaseInput(HIMC himc) {
  if (himc != owner) return;
  DropInputFacts();
  owner = nullptr;
}
