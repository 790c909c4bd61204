#include "engine/GenerationStep.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>

#include "engine/VectorClones.h"

namespace orvalis {
namespace {

constexpr std::int8_t raw(CellState s) {
  return static_cast<std::int8_t>(s);
}
constexpr std::uint8_t raw(PendingMark m) {
  return static_cast<std::uint8_t>(m);
}

// The first four bytes of a cell record (state, remembered, pending, padding)
// as one 32-bit word: the step reads and writes whole words, which the
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

inline std::uint32_t markOf(std::uint32_t word) {
  return (word >> pendingShift) & 0xFF;
}

// The state after phase 1, computed without branches: the marks of a
// running field are unpredictable.
inline std::uint32_t appliedState(std::uint32_t word) {
  const std::uint32_t mark = markOf(word);
  return mark == raw(PendingMark::Birth) ? raw(CellState::Alive)
         : mark == raw(PendingMark::Die) ? raw(CellState::Dead)
                                         : (word & 0xFF);
}

// A column of "counts as living" flags with one padding row above and below,
// holding the wrapped-round neighbour row or nothing.
using LivingColumn = std::array<std::uint8_t, gridRows + 2>;

// One flag a visible cell, column by column (storage order), packed into
// bits so that reading them row by row stays within a few kilobytes.
class CellBits {
 public:
  static constexpr int wordsPerColumn = (gridRows + 63) / 64;

  // `flags` holds 0 or 1 a row and room for a whole number of 64-row words.
  void setColumn(int x, const std::uint8_t* flags, int rows) {
    std::uint64_t* bits = &words_[x * wordsPerColumn];
    for (int first = 0; first < rows; first += 64) {
      std::uint64_t word = 0;
      for (int byte = 0; byte < 8; ++byte) {
        std::uint64_t eight;
        std::memcpy(&eight, flags + first + 8 * byte, sizeof eight);
        // Gathers the low bit of each of the eight bytes into one byte.
        word |= ((eight * 0x0102040810204080) >> 56) << (8 * byte);
      }
      // Rows beyond the field are no cells.
      const int count = std::min(64, rows - first);
      bits[first / 64] = count == 64 ? word : word & ((std::uint64_t{1} << count) - 1);
    }
  }

  // Calls `report(x, y)` for every flagged cell, rows outer, columns inner.
  template <typename Report>
  void forEachRowMajor(FieldSize size, Report report) const {
    std::array<std::int16_t, gridColumns> flaggedColumns;
    for (int y = 0; y < size.rows; ++y) {
      int count = 0;
      for (int x = 0; x < size.columns; ++x) {
        flaggedColumns[count] = static_cast<std::int16_t>(x);
        count += static_cast<int>((words_[x * wordsPerColumn + y / 64] >> (y % 64)) & 1);
      }
      for (int i = 0; i < count; ++i) {
        report(flaggedColumns[i], y);
      }
    }
  }

 private:
  std::array<std::uint64_t, gridColumns * wordsPerColumn> words_;
};

// What a step must report to a sink: the cells that phase 1 changed and the
// cells that phase 2 repaints.
struct StepReport {
  CellBits applied;
  CellBits repainted;
};

// What loading a column found: its living cells and whether any of its
// cells carried a mark.
struct ColumnTally {
  int living = 0;
  bool marked = false;
};

// Reads a column's states into `states`, as they are after phase 1 when
// `apply` is set, and whether each counts as a living neighbour into
// `living`, padded with the wrapped-round row or nothing. `applied`, when
// given, flags the cells whose mark phase 1 carries out.
ORVALIS_VECTOR_CLONES ColumnTally loadColumn(const Cell* column, int rows, bool wrapEdges,
                                             bool apply, std::int8_t* states, std::uint8_t* living,
                                             std::uint8_t* applied) {
  std::uint32_t marks = 0;
  for (int y = 0; y < rows; ++y) {
    const std::uint32_t word = lowWord(column[y]);
    marks |= markOf(word);
    states[y] = static_cast<std::int8_t>(apply ? appliedState(word) : word & 0xFF);
  }
  if (applied) {
    for (int y = 0; y < rows; ++y) {
      const std::uint32_t mark = markOf(lowWord(column[y]));
      // Bitwise on purpose: no branches on unpredictable marks.
      applied[y] = static_cast<std::uint8_t>(
          int{apply} & (int{mark == raw(PendingMark::Birth)} | int{mark == raw(PendingMark::Die)}));
    }
  }
  // 16 bits hold a column's count and keep the vector sums narrow.
  std::uint16_t livingCount = 0;
  for (int y = 0; y < rows; ++y) {
    living[y + 1] = static_cast<std::uint8_t>(states[y] == raw(CellState::Alive) ||
                                              states[y] == raw(CellState::Static));
    livingCount = static_cast<std::uint16_t>(livingCount + living[y + 1]);
  }
  living[0] = wrapEdges ? living[rows] : 0;
  living[rows + 1] = wrapEdges ? living[1] : 0;
  return {livingCount, marks != 0};
}

// Stores the column's states as loaded and its new marks, one store a cell;
// `repainted`, when given, flags the cells that phase 2 repaints.
ORVALIS_VECTOR_CLONES void judgeColumn(Cell* column, int rows, const std::int8_t* states,
                                       const std::uint8_t* left, const std::uint8_t* centre,
                                       const std::uint8_t* right, std::uint8_t* repainted) {
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
  if (repainted) {
    // Every judged cell is repainted except a dead one that stays dead and
    // blank. A step that only judges (after an edit or "Infinit") can take
    // back a birth shown in light grey, which must then go.
    for (int y = 0; y < rows; ++y) {
      const bool judged = states[y] < raw(CellState::Static);
      const int wasBirth = int{markOf(lowWord(column[y])) == raw(PendingMark::Birth)};
      const int staysBlank = int{states[y] == raw(CellState::Dead)} &
                             int{marks[y] == raw(PendingMark::Keep)} & (wasBirth ^ 1);
      repainted[y] = static_cast<std::uint8_t>(int{judged} & (staysBlank ^ 1));
    }
  }
  for (int y = 0; y < rows; ++y) {
    const std::uint32_t word = lowWord(column[y]);
    // Static, Blocked and any larger value are not judged and keep their mark.
    const bool judged = states[y] < raw(CellState::Static);
    const std::uint32_t newMark = marks[y];
    const std::uint32_t mark = judged ? newMark : markOf(word);
    const auto state = static_cast<std::uint8_t>(states[y]);
    setLowWord(column[y], (word & keptBytes) | state | (mark << pendingShift));
  }
}

// Judges the visible field column by column, keeping the living flags of
// three neighbouring columns. With `apply`, phase 1 happens in the same pass:
// every column is read with its marks applied, and its new state is stored
// together with its new marks. A column read twice (the last one, with
// wrapping) yields the same states both times and is tallied once.
StepTally judgeField(CellGrid& grid, FieldSize size, bool wrapEdges, bool apply,
                     StepReport* report) {
  LivingColumn a{}, b{}, c{}, firstColumn{};
  std::array<std::int8_t, gridRows> statesA{}, statesB{};
  constexpr std::size_t flagRows = CellBits::wordsPerColumn * 64;
  std::array<std::uint8_t, flagRows> appliedA{}, appliedB{}, repaintedFlags{};
  std::uint8_t* left = a.data();
  std::uint8_t* centre = b.data();
  std::uint8_t* spare = c.data();
  std::int8_t* states = statesA.data();
  std::int8_t* nextStates = statesB.data();
  // Flags for the report only; without one they are not computed.
  std::uint8_t* applied = report ? appliedA.data() : nullptr;
  std::uint8_t* nextApplied = report ? appliedB.data() : nullptr;
  std::uint8_t* repainted = report ? repaintedFlags.data() : nullptr;

  if (wrapEdges) {
    loadColumn(grid.column(size.columns - 1), size.rows, true, apply, nextStates, left,
               nextApplied);
  }
  ColumnTally tally =
      loadColumn(grid.column(0), size.rows, wrapEdges, apply, states, centre, applied);
  int population = tally.living;
  bool marked = tally.marked;
  firstColumn = b;

  for (int x = 0; x < size.columns; ++x) {
    std::uint8_t* right = spare;
    if (x + 1 < size.columns) {
      tally = loadColumn(grid.column(x + 1), size.rows, wrapEdges, apply, nextStates, right,
                         nextApplied);
      population += tally.living;
      marked = marked || tally.marked;
    } else if (wrapEdges) {
      right = firstColumn.data();
    } else {
      std::memset(right, 0, gridRows + 2);
    }
    judgeColumn(grid.column(x), size.rows, states, left, centre, right, repainted);
    if (report) {
      report->applied.setColumn(x, applied, size.rows);
      report->repainted.setColumn(x, repainted, size.rows);
    }
    std::swap(states, nextStates);
    std::swap(applied, nextApplied);
    spare = left;
    left = centre;
    centre = right;
  }
  return {population, apply && marked};
}

}  // namespace

StepTally generationStep(CellGrid& grid, const StepSettings& settings, bool skipApply,
                         InvalidationSink* sink) {
  const FieldSize size = settings.size.clamped();
  if (!sink) {
    return judgeField(grid, size, settings.wrapEdges, !skipApply, nullptr);
  }
  StepReport report;
  const StepTally tally = judgeField(grid, size, settings.wrapEdges, !skipApply, &report);
  // Reported after the work, row by row: the same requests in the same order
  // as applying and judging row by row would give. Phase 1 made births (no
  // erasing) and deaths (erasing); phase 2 repaints with erasing.
  report.applied.forEachRowMajor(size, [&](int x, int y) {
    sink->invalidateCell(x, y, grid.at(x, y).state == CellState::Dead);
  });
  report.repainted.forEachRowMajor(size, [&](int x, int y) { sink->invalidateCell(x, y, true); });
  return tally;
}

void stepField(LifeField& field, const StepSettings& settings, bool skipApply,
               InvalidationSink* sink) {
  const StepTally tally = generationStep(field.cells, settings, skipApply, sink);
  field.population = tally.population;
  field.generation += static_cast<int>(tally.appliedMarks);
}

void advanceGeneration(LifeField& field, const StepSettings& settings, InvalidationSink* sink) {
  stepField(field, settings, field.fieldEdited, sink);
  field.fieldEdited = false;
}

}  // namespace orvalis
