#include "engine/GenerationStep.h"

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>

namespace orvalis {
namespace {

// A column of "counts as living" flags with one padding row above and below,
// holding the wrapped-round neighbour row or nothing.
using LivingColumn = std::array<std::uint8_t, gridRows + 2>;

constexpr std::int8_t raw(CellState s) {
  return static_cast<std::int8_t>(s);
}
constexpr std::uint8_t raw(PendingMark m) {
  return static_cast<std::uint8_t>(m);
}

// The column loops run in a version for AVX2 where the processor has it.
#if defined(__x86_64__) && defined(__GNUC__)
#define ORVALIS_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define ORVALIS_VECTOR_CLONES
#endif

// The first four bytes of a cell record (state, remembered, pending, padding)
// as one 32-bit word: judging reads and writes whole words, which the
// compiler turns into vector instructions over several cells at once.
static_assert(std::endian::native == std::endian::little);
static_assert(offsetof(Cell, state) == 0 && offsetof(Cell, pending) == 2);
constexpr int pendingShift = 16;
constexpr std::uint32_t keptBytes = 0xFF00FF00;  // remembered and padding

inline std::uint32_t lowWord(const Cell& cell) {
  std::uint32_t word;
  std::memcpy(&word, &cell, sizeof word);
  return word;
}

inline void setLowWord(Cell& cell, std::uint32_t word) {
  std::memcpy(&cell, &word, sizeof word);
}

// The state after phase 1, computed without branches: the marks of a
// running field are unpredictable.
inline std::uint32_t appliedState(std::uint32_t word) {
  const std::uint32_t mark = (word >> pendingShift) & 0xFF;
  return mark == raw(PendingMark::Birth) ? raw(CellState::Alive)
         : mark == raw(PendingMark::Die) ? raw(CellState::Dead)
                                         : (word & 0xFF);
}

void applyPendingMarks(CellGrid& grid, FieldSize size) {
  for (int x = 0; x < size.columns; ++x) {
    Cell* column = grid.column(x);
    for (int y = 0; y < size.rows; ++y) {
      const std::uint32_t word = lowWord(column[y]);
      setLowWord(column[y], (word & ~std::uint32_t{0xFF}) | appliedState(word));
    }
  }
}

// Reads a column's states into `states`, as they are after phase 1 when
// `apply` is set, and whether each counts as a living neighbour into
// `living`, padded with the wrapped-round row or nothing.
ORVALIS_VECTOR_CLONES void loadColumn(const Cell* column, int rows, bool wrapEdges, bool apply,
                                      std::int8_t* states, std::uint8_t* living) {
  for (int y = 0; y < rows; ++y) {
    const std::uint32_t word = lowWord(column[y]);
    states[y] = static_cast<std::int8_t>(apply ? appliedState(word) : word & 0xFF);
  }
  for (int y = 0; y < rows; ++y) {
    living[y + 1] = static_cast<std::uint8_t>((states[y] == raw(CellState::Alive)) |
                                              (states[y] == raw(CellState::Static)));
  }
  living[0] = wrapEdges ? living[rows] : 0;
  living[rows + 1] = wrapEdges ? living[1] : 0;
}

// Writes the column's states as loaded and its new marks in one store a cell.
ORVALIS_VECTOR_CLONES void judgeColumn(Cell* column, int rows, const std::int8_t* states,
                                       const std::uint8_t* left, const std::uint8_t* centre,
                                       const std::uint8_t* right) {
  std::array<std::uint8_t, gridRows + 2> strip;  // living cells of the three columns per row
  for (int i = 0; i < rows + 2; ++i) {
    strip[i] = static_cast<std::uint8_t>(left[i] + centre[i] + right[i]);
  }
  std::array<std::uint8_t, gridRows> marks;
  for (int y = 0; y < rows; ++y) {
    const int count = strip[y] + strip[y + 1] + strip[y + 2] - centre[y + 1];
    const bool living = states[y] != raw(CellState::Dead);
    const bool fits = count == 3 || (count == 2 && living);
    marks[y] = living ? (fits ? raw(PendingMark::Keep) : raw(PendingMark::Die))
                      : (fits ? raw(PendingMark::Birth) : raw(PendingMark::Keep));
  }
  for (int y = 0; y < rows; ++y) {
    const std::uint32_t word = lowWord(column[y]);
    const std::uint32_t newMark = marks[y];
    const std::uint32_t oldMark = (word >> pendingShift) & 0xFF;
    // Static, Blocked and any larger value never change and keep their mark.
    const std::uint32_t mark = states[y] < raw(CellState::Static) ? newMark : oldMark;
    const auto state = static_cast<std::uint8_t>(states[y]);
    setLowWord(column[y], (word & keptBytes) | state | (mark << pendingShift));
  }
}

// Judges the visible field column by column, keeping the living flags of
// three neighbouring columns. With `apply`, phase 1 happens in the same pass:
// every column is read with its marks applied, and its new state is stored
// together with its new marks. A column read twice (the last one, with
// wrapping) yields the same states both times.
void judgeField(CellGrid& grid, FieldSize size, bool wrapEdges, bool apply) {
  LivingColumn a{}, b{}, c{}, firstColumn{};
  std::array<std::int8_t, gridRows> statesA{}, statesB{};
  std::uint8_t* left = a.data();
  std::uint8_t* centre = b.data();
  std::uint8_t* spare = c.data();
  std::int8_t* states = statesA.data();
  std::int8_t* nextStates = statesB.data();

  if (wrapEdges) {
    loadColumn(grid.column(size.columns - 1), size.rows, true, apply, nextStates, left);
  }
  loadColumn(grid.column(0), size.rows, wrapEdges, apply, states, centre);
  firstColumn = b;

  for (int x = 0; x < size.columns; ++x) {
    std::uint8_t* right = spare;
    if (x + 1 < size.columns) {
      loadColumn(grid.column(x + 1), size.rows, wrapEdges, apply, nextStates, right);
    } else if (wrapEdges) {
      right = firstColumn.data();
    } else {
      std::memset(right, 0, gridRows + 2);
    }
    judgeColumn(grid.column(x), size.rows, states, left, centre, right);
    std::swap(states, nextStates);
    spare = left;
    left = centre;
    centre = right;
  }
}

// Invalidations are issued after the work of each phase, row by row, which
// gives the same requests in the same order as judging row by row would.
void reportApplied(const CellGrid& grid, FieldSize size, InvalidationSink& sink) {
  for (int y = 0; y < size.rows; ++y) {
    for (int x = 0; x < size.columns; ++x) {
      const PendingMark mark = grid.at(x, y).pending;
      if (mark == PendingMark::Birth) {
        sink.invalidateCell(x, y, false);
      } else if (mark == PendingMark::Die) {
        sink.invalidateCell(x, y, true);
      }
    }
  }
}

void reportJudged(const CellGrid& grid, FieldSize size, InvalidationSink& sink) {
  for (int y = 0; y < size.rows; ++y) {
    for (int x = 0; x < size.columns; ++x) {
      const Cell& cell = grid.at(x, y);
      if (cell.state >= CellState::Static) {
        continue;
      }
      const bool unchangedDead = cell.state == CellState::Dead && cell.pending == PendingMark::Keep;
      if (!unchangedDead) {
        sink.invalidateCell(x, y, true);
      }
    }
  }
}

}  // namespace

void generationStep(CellGrid& grid, const StepSettings& settings, bool skipApply,
                    InvalidationSink* sink) {
  const FieldSize size = settings.size.clamped();
  if (!sink) {
    judgeField(grid, size, settings.wrapEdges, !skipApply);
    return;
  }
  if (!skipApply) {
    applyPendingMarks(grid, size);
    reportApplied(grid, size, *sink);
  }
  judgeField(grid, size, settings.wrapEdges, false);
  reportJudged(grid, size, *sink);
}

void advanceGeneration(LifeField& field, const StepSettings& settings, InvalidationSink* sink) {
  if (!field.fieldEdited) {
    generationStep(field.cells, settings, false, sink);
  } else {
    generationStep(field.cells, settings, true, sink);
    field.fieldEdited = false;
  }
}

}  // namespace orvalis
