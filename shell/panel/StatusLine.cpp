#include "shell/panel/StatusLine.h"

#include "settings/Text.h"

namespace orvalis {

std::string statusLineText(const LifeField& field, std::optional<Repeat> repeat) {
  std::string text = "Generation " + decimalText(field.generation) + " \xB7 " +
                     decimalText(field.population) + " lebend";
  if (repeat) {
    text += " \xB7 Periode " + decimalText(repeat->period) + " ab Generation " +
            decimalText(repeat->generation);
  }
  return text;
}

}  // namespace orvalis
