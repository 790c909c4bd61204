#include "settings/GadgetTable.h"

#include <algorithm>

namespace orvalis {
namespace {

using enum GadgetId;
using Kind = GadgetKind;

constexpr GadgetRow rows[] = {
    {.id = StartToggle, .kind = Kind::Toggle, .caption = "&Start", .rectangle = {2, 2, 55, 25}},
    {.id = ScreenButton, .kind = Kind::Button, .caption = "Sc&reen", .rectangle = {57, 2, 55, 25}},
    {.id = StepButton, .kind = Kind::Button, .caption = "Schritt", .rectangle = {112, 2, 55, 25}},
    {.id = IntervalLabel,
     .kind = Kind::Label,
     .caption = "Inter&vall",
     .rectangle = {2, 28, 55, 15}},
    {.id = IntervalSpin,
     .kind = Kind::Spin,
     .rectangle = {2, 43, 55, 20},
     .range = SpinRange{1, 10000, 1000},
     .namedBy = IntervalLabel},
    {.id = SizeXLabel, .kind = Kind::Label, .caption = "Größe X", .rectangle = {57, 28, 60, 15}},
    {.id = SizeYLabel, .kind = Kind::Label, .caption = "Y", .rectangle = {112, 28, 60, 15}},
    {.id = SizeXSpin,
     .kind = Kind::Spin,
     .rectangle = {57, 43, 54, 20},
     .range = SpinRange{1, 500, 50},
     .readOnly = true,
     .namedBy = SizeXLabel},
    {.id = SizeYSpin,
     .kind = Kind::Spin,
     .rectangle = {112, 43, 54, 20},
     .range = SpinRange{1, 500, 50},
     .readOnly = true,
     .namedBy = SizeYLabel},
    {.id = GridCheck, .kind = Kind::Check, .caption = "&Gitter", .rectangle = {2, 68, 55, 15}},
    {.id = InfiniteCheck,
     .kind = Kind::Check,
     .caption = "&Infinit",
     .rectangle = {57, 68, 55, 15}},
    {.id = HideCheck, .kind = Kind::Check, .caption = "&Hide", .rectangle = {112, 68, 55, 15}},
    {.id = RandomButton, .kind = Kind::Button, .caption = "Zu&fall", .rectangle = {2, 88, 55, 25}},
    {.id = RandomPercentSpin,
     .kind = Kind::Spin,
     .rectangle = {2, 113, 55, 20},
     .range = SpinRange{1, 100, 50},
     .namedBy = RandomButton,
     .description = "Anteil lebender Zellen in Prozent"},
    {.id = ClearButton, .kind = Kind::Button, .caption = "&Leeren", .rectangle = {57, 88, 55, 25}},
    {.id = BackButton, .kind = Kind::Button, .caption = "&Zurück", .rectangle = {112, 88, 55, 25}},
    {.id = RememberButton,
     .kind = Kind::Button,
     .caption = "&Merken",
     .rectangle = {112, 113, 55, 20}},
    {.id = ShiftUpButton,
     .kind = Kind::Button,
     .caption = "O",
     .rectangle = {32, 140, 25, 25},
     .description = "Muster nach oben schieben"},
    {.id = ShiftRightButton,
     .kind = Kind::Button,
     .caption = "R",
     .rectangle = {57, 152, 25, 25},
     .description = "Muster nach rechts schieben"},
    {.id = ShiftDownButton,
     .kind = Kind::Button,
     .caption = "U",
     .rectangle = {32, 165, 25, 25},
     .description = "Muster nach unten schieben"},
    {.id = ShiftLeftButton,
     .kind = Kind::Button,
     .caption = "L",
     .rectangle = {7, 152, 25, 25},
     .description = "Muster nach links schieben"},
    {.id = NormalOption, .kind = Kind::Option, .caption = "Normal", .rectangle = {95, 140, 65, 15}},
    {.id = StaticOption,
     .kind = Kind::Option,
     .caption = "Statisch",
     .rectangle = {95, 155, 65, 15}},
    {.id = BlockedOption, .kind = Kind::Option, .caption = "Leer", .rectangle = {95, 170, 65, 15}},
    {.id = SaveButton,
     .kind = Kind::Button,
     .caption = "S&peichern",
     .rectangle = {57, 200, 55, 25}},
    {.id = LoadButton, .kind = Kind::Button, .caption = "La&den", .rectangle = {2, 200, 55, 25}},
    {.id = AboutButton, .kind = Kind::Button, .caption = "Über", .rectangle = {112, 200, 55, 25}},
    {.id = ThresholdLabel,
     .kind = Kind::Label,
     .caption = "Schwelle",
     .rectangle = {2, 232, 55, 15}},
    {.id = ThresholdSpin,
     .kind = Kind::Spin,
     .rectangle = {57, 230, 50, 20},
     .range = SpinRange{0, 255, 128},
     .readOnly = true,
     .namedBy = ThresholdLabel},
    {.id = InvertCheck, .kind = Kind::Check, .caption = "Invers", .rectangle = {112, 230, 50, 20}},
    {.id = FileLabel, .kind = Kind::Label, .caption = "Datei", .rectangle = {2, 255, 55, 15}},
    {.id = FileNameField,
     .kind = Kind::TextField,
     .rectangle = {2, 270, 165, 20},
     .readOnly = true,
     .namedBy = FileLabel},
    {.id = CommentLabel,
     .kind = Kind::Label,
     .caption = "&Kommentar",
     .rectangle = {2, 295, 55, 15}},
    {.id = CommentEditor,
     .kind = Kind::Editor,
     .rectangle = {2, 310, 165, 120},
     .namedBy = CommentLabel},
    {.id = AuthorLabel, .kind = Kind::Label, .caption = "&Autor", .rectangle = {2, 435, 60, 15}},
    {.id = AuthorField,
     .kind = Kind::TextField,
     .rectangle = {2, 450, 165, 20},
     .namedBy = AuthorLabel},
    {.id = SourceLabel, .kind = Kind::Label, .caption = "&Quelle", .rectangle = {2, 475, 55, 15}},
    {.id = SourceField,
     .kind = Kind::TextField,
     .rectangle = {2, 490, 145, 20},
     .namedBy = SourceLabel},
    {.id = OpenSourceButton,
     .kind = Kind::Button,
     .caption = ">",
     .rectangle = {147, 490, 20, 20},
     .description = "Quelle öffnen oder kopieren"},
    {.id = DateLabel, .kind = Kind::Label, .caption = "Datum", .rectangle = {2, 515, 55, 15}},
    {.id = DateField,
     .kind = Kind::DateField,
     .rectangle = {2, 530, 145, 20},
     .namedBy = DateLabel},
    {.id = DateNowButton,
     .kind = Kind::Button,
     .caption = "&N",
     .rectangle = {147, 530, 20, 20},
     .description = "Datum auf jetzt setzen"},
    {.id = StatusLine, .kind = Kind::Label, .rectangle = {2, 552, 165, 16}},
};

}  // namespace

std::span<const GadgetRow> gadgetTable() {
  return rows;
}

const GadgetRow* gadgetRow(GadgetId id) {
  const auto found = std::ranges::find(rows, id, &GadgetRow::id);
  return found == std::end(rows) ? nullptr : &*found;
}

GadgetKind gadgetKind(GadgetId id) {
  const GadgetRow* row = gadgetRow(id);
  return row ? row->kind : GadgetKind::None;
}

std::optional<SpinRange> spinRange(GadgetId id) {
  const GadgetRow* row = gadgetRow(id);
  return row ? row->range : std::nullopt;
}

}  // namespace orvalis
