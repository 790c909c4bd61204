#pragma once

// The property of every format the program writes: a field loaded from any
// bytes, saved in the format and loaded again is the same field with the
// same details, and saving it again writes the same bytes.
#include <cstdlib>
#include <string>
#include <string_view>

#include "files/DocumentApply.h"
#include "files/FileFormats.h"
#include "files/LoadAndSave.h"
#include "settings/SettingsRecord.h"
#include "tests/support/LoadedState.h"

namespace orvalis::fuzz {

// `keepsFirstLoad`: a format whose writer keeps everything a load of any
// file gives; the LifeXML writer tidies a comment's blanks once.
inline void checkRoundTrip(std::string_view data, FormatId id, bool keepsFirstLoad = true) {
  static LifeField field;
  SettingsRecord settings;
  const FileFormat& format = fileFormat(id);
  const auto load = [&](std::string_view bytes) {
    const DocumentReading reading = format.read(bytes, readingContext(settings));
    if (reading.loaded()) {
      applyDocument(*reading.document, settings, field);
    }
    return reading.loaded();
  };
  const auto saveAndLoad = [&] {
    const std::string saved = format.write(fieldDocument(settings, field.cells));
    if (!load(saved)) {
      std::abort();
    }
    return saved;
  };
  if (!load(data)) {
    return;
  }
  const test::LoadedState loaded = test::loadedState(settings, field.cells);
  const std::string saved = saveAndLoad();
  const test::LoadedState settled =
      keepsFirstLoad ? loaded : test::loadedState(settings, field.cells);
  if (!(test::loadedState(settings, field.cells) == settled)) {
    std::abort();
  }
  const std::string savedAgain = saveAndLoad();
  if (!(test::loadedState(settings, field.cells) == settled)) {
    std::abort();
  }
  if (keepsFirstLoad ? savedAgain != saved : saveAndLoad() != savedAgain) {
    std::abort();
  }
}

}  // namespace orvalis::fuzz
