#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/CellGrid.h"
#include "settings/GadgetId.h"
#include "settings/UserMessage.h"

namespace orvalis {

// One setting a file gives, as the panel takes it: a number for a toggle,
// check box or spin field, or a spin field's text as the file spells it.
struct SettingAssignment {
  GadgetId gadget = GadgetId::IntervalSpin;
  long long number = 0;
  std::optional<std::string> text;  // given instead of the number

  SettingAssignment(GadgetId setting, long long value) : gadget(setting), number(value) {}
  SettingAssignment(GadgetId setting, std::string value)
      : gadget(setting), text(std::move(value)) {}
};

// The pattern's details; nothing leaves the field as it is. Texts are
// ISO-8859-1 with CR LF line breaks, the date seconds since 1970 (0: none).
struct DocumentDetails {
  std::optional<std::string> comment;
  std::optional<std::string> author;
  std::optional<std::string> source;
  std::optional<long long> date;
  std::optional<std::string> fileName;
};

// The states of the grid's top-left `width` x `height` cells, row by row;
// `clearsGrid`: every other cell of the 500 x 500 grid is dead.
struct PatternCells {
  int width = 0;
  int height = 0;
  std::vector<CellState> states;
  bool clearsGrid = true;

  CellState at(int x, int y) const { return states[static_cast<std::size_t>(y) * width + x]; }
};

// What the run does once a document is on the field: a loaded pattern
// restarts the generation count and the next step only judges its cells;
// an imported picture, which leaves no marks, restarts the count; a
// document that only told of itself leaves the run as it is.
enum class LoadEffect { JudgeLoadedCells, RestartCount, Nothing };

// A pattern as a file holds it and the program shows it, in plain values:
// what a reader makes of a file's bytes, what a writer turns into bytes.
struct PatternDocument {
  std::vector<SettingAssignment> settings;  // in the file's order
  DocumentDetails details;
  std::optional<PatternCells> cells;
  LoadEffect effect = LoadEffect::JudgeLoadedCells;

  // The last number or text the document assigns to `gadget`.
  std::optional<long long> number(GadgetId gadget) const;
  std::optional<std::string> text(GadgetId gadget) const;
};

// What a file reads as. A refused file has a message and no document; a
// document with a message changed the details only and is no load; a
// picture that cannot be read has neither.
struct DocumentReading {
  std::optional<PatternDocument> document;
  std::optional<UserMessage> message;

  bool loaded() const { return document && !message; }
};

// What a reader needs to know of the field it reads for: the size shown,
// in which a pattern without size is centred and a picture is fitted, and
// the picture import's brightness threshold and inversion.
struct ReadingContext {
  FieldSize shown{gridColumns, gridRows};
  int threshold = 128;
  bool invert = false;
};

DocumentReading refusedWith(UserMessage message);

}  // namespace orvalis
