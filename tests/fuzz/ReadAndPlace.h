#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>

#include "engine/CellGrid.h"
#include "files/DocumentApply.h"
#include "files/pattern/PatternPlacement.h"
#include "files/pattern/ReadPattern.h"
#include "settings/SettingsRecord.h"

namespace orvalis::fuzz {

// Any bytes read by `reader` and placed as by the load command; a read
// pattern must fit the field and hold its cells inside its extent.
template <typename Reader>
void readAndPlace(const std::uint8_t* data, std::size_t size, Reader reader) {
  static CellGrid grid;
  SettingsRecord settings;
  const PatternReading reading =
      reader(std::string_view(reinterpret_cast<const char*>(data), size));
  const auto* pattern = std::get_if<ReadPattern>(&reading);
  if (!pattern) {
    return;
  }
  if (pattern->width < 0 || pattern->width > gridColumns || pattern->height < 0 ||
      pattern->height > gridRows) {
    std::abort();
  }
  for (const auto cell : pattern->living) {
    if (cell.x < 0 || cell.x >= pattern->width || cell.y < 0 || cell.y >= pattern->height) {
      std::abort();
    }
  }
  placeDocument(placedPattern(*pattern, visibleFieldSize(settings)), settings, grid);
}

}  // namespace orvalis::fuzz
