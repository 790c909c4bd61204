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

// `tidiesComment`: the LifeXML writer tidies a comment's blanks once, so
// there the comment alone may change with the first save.
inline void checkRoundTrip(std::string_view data, FormatId id, bool tidiesComment = false) {
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
  const auto shown = [&] { return test::loadedState(settings, field.cells); };
  if (!load(data)) {
    return;
  }
  test::LoadedState expected = shown();
  const std::string first = saveAndLoad();
  if (tidiesComment) {
    expected.comment = shown().comment;
  }
  if (!(shown() == expected)) {
    std::abort();
  }
  const std::string second = saveAndLoad();
  if (!(shown() == expected) || (!tidiesComment && second != first)) {
    std::abort();
  }
  if (tidiesComment && saveAndLoad() != second) {
    std::abort();
  }
}

}  // namespace orvalis::fuzz
