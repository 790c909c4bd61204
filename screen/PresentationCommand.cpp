#include "screen/PresentationCommand.h"

#include "screen/Presentation.h"
#include "screen/QtScreenLayer.h"

namespace orvalis {

void startPresentation(LifeField& field, GadgetAccess& settings, FieldView& view, Random& random,
                       const std::function<void(bool)>& suspendAccelerators) {
  if (settings.gadgetValue(GadgetId::StartToggle) != 0) {
    return;
  }
  if (suspendAccelerators) {
    suspendAccelerators(true);
  }
  QtScreenLayer screen;
  runPresentation(field, settings, view, screen, random);
  if (suspendAccelerators) {
    suspendAccelerators(false);
  }
}

}  // namespace orvalis
