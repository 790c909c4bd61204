#pragma once

#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "engine/CellGrid.h"
#include "settings/GadgetAccess.h"

namespace orvalis::test {

// What loading a pattern sets and a save must keep: the field's size and
// kind, its cells, comment, author and source.
struct LoadedState {
  FieldSize size;
  long long torus = 0;
  std::string comment;
  std::string author;
  std::string source;
  std::vector<std::tuple<int, int, CellState>> cells;  // all but the dead

  bool operator==(const LoadedState&) const = default;
};

inline LoadedState loadedState(GadgetAccess& gadgets, const CellGrid& grid) {
  LoadedState state;
  state.size = visibleFieldSize(gadgets);
  state.torus = gadgets.gadgetValue(GadgetId::InfiniteCheck);
  state.comment = gadgets.gadgetText(GadgetId::CommentEditor);
  state.author = gadgets.gadgetText(GadgetId::AuthorField);
  state.source = gadgets.gadgetText(GadgetId::SourceField);
  for (int y = 0; y < state.size.rows; ++y) {
    for (int x = 0; x < state.size.columns; ++x) {
      if (grid.at(x, y).state != CellState::Dead) {
        state.cells.emplace_back(x, y, grid.at(x, y).state);
      }
    }
  }
  return state;
}

// For a test's failure message.
inline std::ostream& operator<<(std::ostream& out, const LoadedState& state) {
  return out << state.size.columns << " x " << state.size.rows << " torus " << state.torus << ", "
             << state.cells.size() << " cells, comment \"" << state.comment << "\", author \""
             << state.author << "\", source \"" << state.source << '"';
}

}  // namespace orvalis::test
