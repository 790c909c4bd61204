#include "shell/panel/SpokenNames.h"

#include <utility>

namespace orvalis {
namespace {

using enum GadgetId;

// Each field beside the gadget whose caption names it.
constexpr std::pair<GadgetId, GadgetId> namedFields[] = {
    {IntervalSpin, IntervalLabel},   {SizeXSpin, SizeXLabel},
    {SizeYSpin, SizeYLabel},         {RandomPercentSpin, RandomButton},
    {ThresholdSpin, ThresholdLabel}, {FileNameField, FileLabel},
    {CommentEditor, CommentLabel},   {AuthorField, AuthorLabel},
    {SourceField, SourceLabel},      {DateField, DateLabel},
};

constexpr std::pair<GadgetId, const char16_t*> descriptions[] = {
    {ShiftUpButton, u"Muster nach oben schieben"},
    {ShiftRightButton, u"Muster nach rechts schieben"},
    {ShiftDownButton, u"Muster nach unten schieben"},
    {ShiftLeftButton, u"Muster nach links schieben"},
    {OpenSourceButton, u"Quelle öffnen oder kopieren"},
    {DateNowButton, u"Datum auf jetzt setzen"},
    {RandomPercentSpin, u"Anteil lebender Zellen in Prozent"},
};

}  // namespace

QString spokenCaption(const QString& caption) {
  QString spoken;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && i + 1 < caption.size()) {
      ++i;
    }
    spoken += caption[i];
  }
  return spoken;
}

std::optional<GadgetId> namingGadget(GadgetId field) {
  for (const auto& [named, naming] : namedFields) {
    if (named == field) {
      return naming;
    }
  }
  return std::nullopt;
}

QString spokenDescription(GadgetId id) {
  for (const auto& [described, description] : descriptions) {
    if (described == id) {
      return QString::fromUtf16(description);
    }
  }
  return {};
}

}  // namespace orvalis
