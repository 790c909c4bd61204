#include "shell/panel/GadgetTable.h"

namespace orvalis {
namespace {

using enum GadgetId;

constexpr GadgetRow rows[] = {
    {StartToggle, "&Start", {2, 2, 55, 25}},
    {ScreenButton, "Sc&reen", {57, 2, 55, 25}},
    {StepButton, "Schritt", {112, 2, 55, 25}},
    {IntervalLabel, "Inter&vall", {2, 28, 55, 15}},
    {IntervalSpin, "", {2, 43, 55, 20}},
    {SizeXLabel, "Größe X", {57, 28, 60, 15}},
    {SizeYLabel, "Y", {112, 28, 60, 15}},
    {SizeXSpin, "", {57, 43, 54, 20}, true},
    {SizeYSpin, "", {112, 43, 54, 20}, true},
    {GridCheck, "&Gitter", {2, 68, 55, 15}},
    {InfiniteCheck, "&Infinit", {57, 68, 55, 15}},
    {HideCheck, "&Hide", {112, 68, 55, 15}},
    {RandomButton, "Zu&fall", {2, 88, 55, 25}},
    {RandomPercentSpin, "", {2, 113, 55, 20}},
    {ClearButton, "&Leeren", {57, 88, 55, 25}},
    {BackButton, "&Zurück", {112, 88, 55, 25}},
    {RememberButton, "&Merken", {112, 113, 55, 20}},
    {ShiftUpButton, "O", {32, 140, 25, 25}},
    {ShiftRightButton, "R", {57, 152, 25, 25}},
    {ShiftDownButton, "U", {32, 165, 25, 25}},
    {ShiftLeftButton, "L", {7, 152, 25, 25}},
    {NormalOption, "Normal", {95, 140, 65, 15}},
    {StaticOption, "Statisch", {95, 155, 65, 15}},
    {BlockedOption, "Leer", {95, 170, 65, 15}},
    {SaveButton, "S&peichern", {57, 200, 55, 25}},
    {LoadButton, "La&den", {2, 200, 55, 25}},
    {AboutButton, "Über", {112, 200, 55, 25}},
    {ThresholdLabel, "Schwelle", {2, 232, 55, 15}},
    {ThresholdSpin, "", {57, 230, 50, 20}, true},
    {InvertCheck, "Invers", {112, 230, 50, 20}},
    {FileLabel, "Datei", {2, 255, 55, 15}},
    {FileNameField, "", {2, 270, 165, 20}, true},
    {CommentLabel, "&Kommentar", {2, 295, 55, 15}},
    {CommentEditor, "", {2, 310, 165, 120}},
    {AuthorLabel, "&Autor", {2, 435, 60, 15}},
    {AuthorField, "", {2, 450, 165, 20}},
    {SourceLabel, "&Quelle", {2, 475, 55, 15}},
    {SourceField, "", {2, 490, 145, 20}},
    {OpenSourceButton, ">", {147, 490, 20, 20}},
    {DateLabel, "Datum", {2, 515, 55, 15}},
    {DateField, "", {2, 530, 145, 20}},
    {DateNowButton, "&N", {147, 530, 20, 20}},
    {StatusLine, "", {2, 552, 165, 16}},
};

}  // namespace

std::span<const GadgetRow> gadgetTable() {
  return rows;
}

}  // namespace orvalis
