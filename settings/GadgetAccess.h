#pragma once

#include <string>

#include "engine/CellGrid.h"
#include "engine/GenerationStep.h"
#include "settings/GadgetId.h"

namespace orvalis {

// The four value operations through which file code and headless tools reach
// the settings. Texts are ISO-8859-1 bytes; the comment uses CR LF line
// breaks. A number without such a gadget does nothing and reads 0 or "".
class GadgetAccess {
 public:
  virtual ~GadgetAccess() = default;
  // Toggle, check box, option: 1 or 0; spin field: its last valid number;
  // date field: seconds since 1970 of the wall-clock time shown, 0 for none.
  virtual long long gadgetValue(GadgetId id) = 0;
  virtual void setGadgetValue(GadgetId id, long long value) = 0;
  virtual std::string gadgetText(GadgetId id) = 0;
  virtual void setGadgetText(GadgetId id, const std::string& text) = 0;
};

// The visible field size from "Größe X" and "Y", brought into 1..500 so
// that no loop over it can leave the grid, whatever the gadgets report.
FieldSize visibleFieldSize(GadgetAccess& gadgets);

// The settings a generation step of the visible field takes now: its size
// and whether "&Infinit" wraps its edges.
StepSettings fieldStepSettings(GadgetAccess& gadgets);

}  // namespace orvalis
