#pragma once

// The check that a field loaded from the Life community's formats, saved
// and loaded again is the same field with the same details.
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "files/community/ExportedPattern.h"
#include "files/community/PatternPlacement.h"
#include "settings/SettingsRecord.h"
#include "tests/support/LoadedState.h"

namespace orvalis::fuzz {

// Reads `data` as a file named `path`; when it loads, the file written from
// the loaded field must load as exactly the same field and details.
template <typename Read, typename Write>
void checkRoundTrip(std::string_view data, const std::string& path, Read read, Write write) {
  static CellGrid grid;
  SettingsRecord settings;
  const PatternReading reading = read(data);
  const auto* pattern = std::get_if<ReadPattern>(&reading);
  if (!pattern) {
    return;
  }
  placePattern(*pattern, path, settings, grid);
  const test::LoadedState loaded = test::loadedState(settings, grid);
  const PatternReading again = read(write(exportedPattern(settings), grid));
  if (!std::holds_alternative<ReadPattern>(again)) {
    std::abort();
  }
  placePattern(std::get<ReadPattern>(again), path, settings, grid);
  if (!(test::loadedState(settings, grid) == loaded)) {
    std::abort();
  }
}

}  // namespace orvalis::fuzz
