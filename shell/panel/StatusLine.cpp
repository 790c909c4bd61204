#include "shell/panel/StatusLine.h"

#include "settings/Text.h"

namespace orvalis {

std::string statusLineText(const LifeField& field) {
  return "Generation " + decimalText(field.generation) + " \xB7 " + decimalText(field.population) +
         " lebend";
}

}  // namespace orvalis
