#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engine/CellGrid.h"
#include "engine/InvalidationSink.h"

namespace orvalis::test {

inline void setAlive(CellGrid& grid, std::initializer_list<std::pair<int, int>> cells,
                     CellState state = CellState::Alive) {
  for (auto [x, y] : cells) {
    grid.at(x, y).state = state;
  }
}

// The visible field as rows of characters: . dead, # alive, S static, B blocked.
inline std::vector<std::string> picture(const CellGrid& grid, FieldSize size) {
  std::vector<std::string> rows;
  for (int y = 0; y < size.rows; ++y) {
    std::string row;
    for (int x = 0; x < size.columns; ++x) {
      switch (grid.at(x, y).state) {
        case CellState::Dead:
          row += '.';
          break;
        case CellState::Alive:
          row += '#';
          break;
        case CellState::Static:
          row += 'S';
          break;
        case CellState::Blocked:
          row += 'B';
          break;
        default:
          row += '?';
          break;
      }
    }
    rows.push_back(row);
  }
  return rows;
}

struct Invalidation {
  int x;
  int y;
  bool erase;
  friend bool operator==(const Invalidation&, const Invalidation&) = default;
};

class RecordingSink : public InvalidationSink {
 public:
  void invalidateCell(int x, int y, bool erase) override { cells.push_back({x, y, erase}); }
  void invalidateAll() override { ++wholeView; }
  std::vector<Invalidation> cells;
  int wholeView = 0;
};

}  // namespace orvalis::test
