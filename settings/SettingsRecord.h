#pragma once

#include <map>
#include <string>

#include "settings/GadgetAccess.h"

namespace orvalis {

// The settings of the control panel as plain data, for tools and tests that
// run without windows. It starts with the panel's start values and follows
// the panel's rules: spin values stay in range, a spin text that is no valid
// number leaves the value as it was, options form one group.
class SettingsRecord : public GadgetAccess {
 public:
  SettingsRecord();

  long long gadgetValue(GadgetId id) override;
  void setGadgetValue(GadgetId id, long long value) override;
  std::string gadgetText(GadgetId id) override;
  void setGadgetText(GadgetId id, const std::string& text) override;

 private:
  std::map<GadgetId, long long> values_;
  std::map<GadgetId, std::string> texts_;
};

}  // namespace orvalis
