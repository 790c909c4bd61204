#include "settings/SettingsRecord.h"

#include "settings/GadgetTable.h"
#include "settings/Text.h"

namespace orvalis {
namespace {

constexpr GadgetId optionGroup[] = {GadgetId::NormalOption, GadgetId::StaticOption,
                                    GadgetId::BlockedOption};

bool holdsValue(GadgetKind kind) {
  return kind == GadgetKind::Toggle || kind == GadgetKind::Check || kind == GadgetKind::Option ||
         kind == GadgetKind::Spin || kind == GadgetKind::DateField;
}

bool holdsText(GadgetKind kind) {
  return kind == GadgetKind::Spin || kind == GadgetKind::TextField || kind == GadgetKind::Editor;
}

}  // namespace

SettingsRecord::SettingsRecord() {
  for (int number = 0; number <= static_cast<int>(GadgetId::RestorePanelCommand); ++number) {
    const auto id = static_cast<GadgetId>(number);
    const GadgetKind kind = gadgetKind(id);
    if (holdsValue(kind)) {
      values_[id] = 0;
    }
    if (holdsText(kind)) {
      texts_[id] = "";
    }
    if (const auto range = spinRange(id)) {
      setGadgetValue(id, range->start);
    }
  }
  values_[GadgetId::NormalOption] = 1;
}

long long SettingsRecord::gadgetValue(GadgetId id) {
  const auto it = values_.find(id);
  return it == values_.end() ? 0 : it->second;
}

void SettingsRecord::setGadgetValue(GadgetId id, long long value) {
  const auto it = values_.find(id);
  if (it == values_.end()) {
    return;
  }
  switch (gadgetKind(id)) {
    case GadgetKind::Spin: {
      const int clamped = spinRange(id)->clamp(value);
      it->second = clamped;
      texts_[id] = decimalText(clamped);
      break;
    }
    case GadgetKind::Option:
      if (value != 0) {
        for (GadgetId option : optionGroup) {
          values_[option] = 0;
        }
      }
      it->second = value != 0 ? 1 : 0;
      break;
    case GadgetKind::Toggle:
    case GadgetKind::Check:
      it->second = value != 0 ? 1 : 0;
      break;
    case GadgetKind::DateField:
      // The field shows minutes only.
      it->second = value - ((value % 60) + 60) % 60;
      break;
    default:
      break;
  }
}

std::string SettingsRecord::gadgetText(GadgetId id) {
  const auto it = texts_.find(id);
  return it == texts_.end() ? std::string() : it->second;
}

void SettingsRecord::setGadgetText(GadgetId id, const std::string& text) {
  const auto it = texts_.find(id);
  if (it == texts_.end()) {
    return;
  }
  it->second = text;
  if (const auto range = spinRange(id)) {
    if (const auto value = spinTextValue(text, *range)) {
      values_[id] = *value;
    }
  }
}

}  // namespace orvalis
