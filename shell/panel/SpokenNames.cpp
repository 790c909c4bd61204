#include "shell/panel/SpokenNames.h"

namespace orvalis {

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
  switch (field) {
    case GadgetId::IntervalSpin:
      return GadgetId::IntervalLabel;
    case GadgetId::SizeXSpin:
      return GadgetId::SizeXLabel;
    case GadgetId::SizeYSpin:
      return GadgetId::SizeYLabel;
    case GadgetId::RandomPercentSpin:
      return GadgetId::RandomButton;
    case GadgetId::ThresholdSpin:
      return GadgetId::ThresholdLabel;
    case GadgetId::FileNameField:
      return GadgetId::FileLabel;
    case GadgetId::CommentEditor:
      return GadgetId::CommentLabel;
    case GadgetId::AuthorField:
      return GadgetId::AuthorLabel;
    case GadgetId::SourceField:
      return GadgetId::SourceLabel;
    case GadgetId::DateField:
      return GadgetId::DateLabel;
    default:
      return std::nullopt;
  }
}

QString spokenDescription(GadgetId id) {
  switch (id) {
    case GadgetId::ShiftUpButton:
      return QStringLiteral("Muster nach oben schieben");
    case GadgetId::ShiftRightButton:
      return QStringLiteral("Muster nach rechts schieben");
    case GadgetId::ShiftDownButton:
      return QStringLiteral("Muster nach unten schieben");
    case GadgetId::ShiftLeftButton:
      return QStringLiteral("Muster nach links schieben");
    case GadgetId::OpenSourceButton:
      return QStringLiteral("Quelle öffnen oder kopieren");
    case GadgetId::DateNowButton:
      return QStringLiteral("Datum auf jetzt setzen");
    case GadgetId::RandomPercentSpin:
      return QStringLiteral("Anteil lebender Zellen in Prozent");
    default:
      return {};
  }
}

}  // namespace orvalis
