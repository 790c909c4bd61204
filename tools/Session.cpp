#include "tools/Session.h"

#include "engine/GenerationStep.h"

namespace orvalis::cli {

StepSettings stepSettings(SettingsRecord& settings) {
  return {visibleFieldSize(settings), settings.gadgetValue(GadgetId::InfiniteCheck) != 0};
}

void advanceOneStep(Session& session) {
  advanceGeneration(session.field, stepSettings(session.settings), nullptr);
}

}  // namespace orvalis::cli
