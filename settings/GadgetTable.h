#pragma once

#include <optional>
#include <span>

#include "settings/GadgetId.h"
#include "settings/SpinRange.h"

namespace orvalis {

// A control's place in the panel, in pixels.
struct GadgetRectangle {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// Everything the program knows of one control of the panel.
struct GadgetRow {
  GadgetId id;
  GadgetKind kind;
  const char* caption = "";  // UTF-8; "&" marks the underlined letter
  GadgetRectangle rectangle = {};
  std::optional<SpinRange> range = std::nullopt;  // spin fields only
  bool readOnly = false;                          // spin fields and text fields that take no typing
  // For screen readers: the gadget whose caption names a field that has
  // none of its own, as a buddy label would, and what a control with a
  // terse caption does (UTF-8, empty where the caption says it).
  std::optional<GadgetId> namedBy = std::nullopt;
  const char* description = "";
};

// Every control of the panel in creation order, which is also their order
// from first to last. The restore command has no control and no row; the
// status line comes last.
std::span<const GadgetRow> gadgetTable();

// The row of a gadget, or nothing for a number without a control.
const GadgetRow* gadgetRow(GadgetId id);

GadgetKind gadgetKind(GadgetId id);

// The range and start value of a spin field; nothing for other gadgets.
std::optional<SpinRange> spinRange(GadgetId id);

}  // namespace orvalis
