#pragma once

#include <QRect>
#include <span>

#include "engine/Gadgets.h"

namespace orvalis {

// One control of the panel: its number (which gives its kind), its caption
// (UTF-8; "&" marks the underlined letter) and its rectangle in the panel.
struct GadgetRow {
  GadgetId id;
  const char* caption;
  QRect rectangle;
  bool readOnly = false;  // spin fields and text fields that take no typing
};

// Every control of the panel in creation order, which is also their order
// from first to last. The restore command has no control and no row; the
// status line comes last.
std::span<const GadgetRow> gadgetTable();

}  // namespace orvalis
