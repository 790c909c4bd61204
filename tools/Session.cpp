#include "tools/Session.h"

#include "engine/GenerationStep.h"

namespace orvalis::cli {

void advanceOneStep(Session& session) {
  const StepSettings settings{visibleFieldSize(session.settings),
                              session.settings.gadgetValue(GadgetId::InfiniteCheck) != 0};
  advanceGeneration(session.field, settings, nullptr);
}

}  // namespace orvalis::cli
