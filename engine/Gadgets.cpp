#include "engine/Gadgets.h"

#include <algorithm>

namespace orvalis {

GadgetKind gadgetKind(GadgetId id) {
  switch (id) {
    case GadgetId::StartToggle:
      return GadgetKind::Toggle;
    case GadgetId::ScreenButton:
    case GadgetId::StepButton:
    case GadgetId::RandomButton:
    case GadgetId::ClearButton:
    case GadgetId::BackButton:
    case GadgetId::RememberButton:
    case GadgetId::ShiftUpButton:
    case GadgetId::ShiftRightButton:
    case GadgetId::ShiftDownButton:
    case GadgetId::ShiftLeftButton:
    case GadgetId::SaveButton:
    case GadgetId::LoadButton:
    case GadgetId::AboutButton:
    case GadgetId::OpenSourceButton:
    case GadgetId::DateNowButton:
      return GadgetKind::Button;
    case GadgetId::IntervalLabel:
    case GadgetId::SizeXLabel:
    case GadgetId::SizeYLabel:
    case GadgetId::ThresholdLabel:
    case GadgetId::FileLabel:
    case GadgetId::CommentLabel:
    case GadgetId::AuthorLabel:
    case GadgetId::SourceLabel:
    case GadgetId::DateLabel:
    case GadgetId::StatusLine:
      return GadgetKind::Label;
    case GadgetId::GridCheck:
    case GadgetId::InfiniteCheck:
    case GadgetId::HideCheck:
    case GadgetId::InvertCheck:
      return GadgetKind::Check;
    case GadgetId::NormalOption:
    case GadgetId::BlockedOption:
    case GadgetId::StaticOption:
      return GadgetKind::Option;
    case GadgetId::IntervalSpin:
    case GadgetId::SizeXSpin:
    case GadgetId::SizeYSpin:
    case GadgetId::RandomPercentSpin:
    case GadgetId::ThresholdSpin:
      return GadgetKind::Spin;
    case GadgetId::FileNameField:
    case GadgetId::AuthorField:
    case GadgetId::SourceField:
      return GadgetKind::TextField;
    case GadgetId::DateField:
      return GadgetKind::DateField;
    case GadgetId::CommentEditor:
      return GadgetKind::Editor;
    case GadgetId::RestorePanelCommand:
      return GadgetKind::None;
  }
  return GadgetKind::None;
}

int SpinRange::clamp(long long value) const {
  return static_cast<int>(std::clamp<long long>(value, minimum, maximum));
}

std::optional<SpinRange> spinRange(GadgetId id) {
  switch (id) {
    case GadgetId::IntervalSpin:
      return SpinRange{1, 10000, 1000};
    case GadgetId::SizeXSpin:
    case GadgetId::SizeYSpin:
      return SpinRange{1, 500, 50};
    case GadgetId::RandomPercentSpin:
      return SpinRange{1, 100, 50};
    case GadgetId::ThresholdSpin:
      return SpinRange{0, 255, 128};
    default:
      return std::nullopt;
  }
}

std::optional<int> spinTextValue(std::string_view text, const SpinRange& range) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) {
    return std::nullopt;
  }
  text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  bool negative = false;
  if (text.front() == '-' || text.front() == '+') {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  while (text.size() > 1 && text.front() == '0') {
    text.remove_prefix(1);
  }
  if (text.empty() || text.size() > 9 ||
      text.find_first_not_of("0123456789") != std::string_view::npos) {
    return std::nullopt;
  }
  int value = 0;
  for (char digit : text) {
    value = value * 10 + (digit - '0');
  }
  value = negative ? -value : value;
  if (value < range.minimum || value > range.maximum) {
    return std::nullopt;
  }
  return value;
}

FieldSize visibleFieldSize(GadgetAccess& gadgets) {
  const auto columns =
      std::clamp<long long>(gadgets.gadgetValue(GadgetId::SizeXSpin), 1, gridColumns);
  const auto rows = std::clamp<long long>(gadgets.gadgetValue(GadgetId::SizeYSpin), 1, gridRows);
  return {static_cast<int>(columns), static_cast<int>(rows)};
}

}  // namespace orvalis
