#include "ime/engine/EngineState.h"

EngineValues StartingEngine(CodeScheme scheme) {
  EngineValues values;
  values.maxCodeLength = MaxCodeLength(scheme);
  return values;
}
