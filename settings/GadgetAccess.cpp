#include "settings/GadgetAccess.h"

#include <algorithm>

namespace orvalis {

FieldSize visibleFieldSize(GadgetAccess& gadgets) {
  const auto columns =
      std::clamp<long long>(gadgets.gadgetValue(GadgetId::SizeXSpin), 1, gridColumns);
  const auto rows = std::clamp<long long>(gadgets.gadgetValue(GadgetId::SizeYSpin), 1, gridRows);
  return {static_cast<int>(columns), static_cast<int>(rows)};
}

StepSettings fieldStepSettings(GadgetAccess& gadgets) {
  return {visibleFieldSize(gadgets), gadgets.gadgetValue(GadgetId::InfiniteCheck) != 0};
}

}  // namespace orvalis
