#include "ime/engine/EngineState.h"

EngineValues engine;

void UseSchemeCodeLength(std::uint8_t sxScheme) {
  engine.maxCodeLength = sxScheme == 1 ? kSxMaxCodeLength : kZxMaxCodeLength;
  engine.codeLengthLimit = engine.maxCodeLength;
}
