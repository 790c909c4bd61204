#include "tools/Session.h"

#include "engine/GenerationStep.h"

namespace orvalis::cli {

void advanceOneStep(Session& session) {
  advanceGeneration(session.field, fieldStepSettings(session.settings), nullptr);
}

}  // namespace orvalis::cli
