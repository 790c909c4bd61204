#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/CellGrid.h"
#include "engine/GenerationStep.h"

namespace orvalis {

// The visible field as bit planes, 64 cells a word, for runs that need the
// states only: the same rule, edges and kinds of cell as the generation
// step, without marks or invalidations.
//
// Kinds of cell, by state byte: 0 dead and 1 alive change; 2 static counts
// as living and never changes; 3 and any larger value never lives and counts
// as nothing; a negative value (only a Life file brings one) lives on with 2
// or 3 living neighbours without being counted itself, and once it dies it
// is an ordinary dead cell.
class BitField {
 public:
  // Generation 0 of a run that the stepping protocol would make of `field`:
  // its visible states, with the pending marks applied unless the field was
  // edited since its last step. As every operation keeps it, cells in state
  // 2 or more carry no Birth or Die.
  BitField(const LifeField& field, const StepSettings& settings)
      : BitField(field, settings, !field.fieldEdited) {}

  // The generation the field shows: its visible states, the marks of the
  // coming generation left aside.
  static BitField shownGeneration(const LifeField& field, const StepSettings& settings) {
    return BitField(field, settings, false);
  }

  // One generation.
  void step();

  // Hands the current generation back to the field it was made from, as
  // `advanceGeneration` would have left it: the visible states, the marks of
  // the next generation, the edit flag cleared. Cells that never change
  // keep their state bytes.
  void storeInto(LifeField& field) const;

  // Writes the current generation's states into the cells of ordinary
  // cells, touching nothing else: enough to paint it without the preview.
  void writeStates(CellGrid& cells) const;

  // Cells in state 1 and in state 2.
  long long livingCount() const;
  long long staticCount() const { return staticCount_; }

  // The same states in every visible cell (both fields made from one start).
  bool sameCells(const BitField& other) const;

 private:
  using Words = std::vector<std::uint64_t>;

  BitField(const LifeField& field, const StepSettings& settings, bool applyMarks);

  std::size_t wordAt(int row) const { return 1 + static_cast<std::size_t>(row) * stride_; }
  void fillEdges(Words& plane) const;

  FieldSize size_;
  bool wrapEdges_;
  std::size_t stride_;  // words a row: the columns with a spare bit on each side
  long long staticCount_ = 0;
  bool anyLingering_ = false;

  // Rows 0 and rows + 1 hold the neighbour rows above and below the field;
  // in each row, bit 0 and bit columns + 1 the neighbour columns beside it
  // (copies of the opposite edge on a torus, nothing on a plane). Column x
  // is bit x + 1. One spare word before and after the rows keeps the
  // neighbour reads of the first and last word inside the planes.
  Words counted_;    // cells that count as living: alive and static
  Words next_;       // the generation being computed
  Words static_;     // static cells
  Words open_;       // dead or alive ordinary cells: the ones the rule judges
  Words lingering_;  // cells with a negative state that have not died yet
};

}  // namespace orvalis
