#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "engine/CellGrid.h"

namespace orvalis {

// What a history step is: a change of the field by the user, or one
// generation of a run or a step.
enum class HistoryKind { Edit, Generation };

// The default bound of a history's steps: 64 MB.
inline constexpr std::size_t historyByteLimit = std::size_t{64} << 20;

// One generation of a run: the cells that count as living, the static ones
// among them, and the cells that began or stopped counting in the step to it.
struct GenerationRecord {
  long long generation = 0;
  int population = 0;
  int staticCells = 0;
  int births = 0;
  int deaths = 0;
  friend bool operator==(const GenerationRecord&, const GenerationRecord&) = default;
};

// Undo, redo and step back for the whole 500 x 500 grid (state, remembered
// state and mark of every cell) with the field's size, generation counts,
// population and edit flag. A step keeps only what changed against the step
// before it, so that a generation costs a few bytes a changed cell; the
// oldest steps are dropped once the steps together pass the byte limit.
//
// The history compares the field with its own copy of the last recorded
// state, so a change that nobody recorded is never lost or corrupted: it
// becomes part of the next step, and undo, redo and step back record it
// first as an edit. Every size is brought into the grid (FieldSize::clamped)
// first.
class FieldHistory {
 public:
  explicit FieldHistory(std::size_t byteLimit = historyByteLimit);

  // Forgets every step and takes `field` with `size` as the start.
  void reset(const LifeField& field, FieldSize size);

  // Records the change since the last recorded state as one step, unless
  // nothing changed; drops the steps that could be redone. A generation that
  // starts a run, and every edit, begins a group of steps that undo and redo
  // take together. Returns whether a step was recorded.
  bool record(const LifeField& field, FieldSize size, HistoryKind kind, bool startsRun = false);

  // Each returns the field size the field has afterwards, or nothing when
  // there is nothing to do (and then leaves `field` alone). `size` is the
  // size the field has now.
  //
  // Undo takes back the newest group: an edit, or the generations of a run
  // back to its start.
  std::optional<FieldSize> undo(LifeField& field, FieldSize size);
  // Redo does again what was taken back: the rest of the next group.
  std::optional<FieldSize> redo(LifeField& field, FieldSize size);
  // Step back takes back the newest step when it is a generation.
  std::optional<FieldSize> stepBack(LifeField& field, FieldSize size);

  bool canUndo() const { return position_ > 0; }
  bool canRedo() const { return position_ < steps_.size(); }
  bool canStepBack() const {
    return position_ > 0 && steps_[position_ - 1].kind == HistoryKind::Generation;
  }

  // The generations of the run the field shows, oldest first: from the
  // latest restart of the count (or jump of it) or the oldest step kept,
  // through the done steps that advanced the generation by one. The first
  // has no births or deaths. Edits between them keep the count going; the
  // next generation shows their change of population.
  void runRecords(std::vector<GenerationRecord>& out) const;

  // Steps held (done and undone), and the bytes they take.
  std::size_t stepCount() const { return steps_.size(); }
  std::size_t byteCount() const { return bytes_; }

 private:
  // The field's counts and size around a step.
  struct Scalars {
    FieldSize size;
    long long generation = 0;
    long long rememberedGeneration = 0;
    int population = 0;
    int staticCells = 0;  // of the visible field, counted again only when a change touches them
    bool fieldEdited = false;
    friend bool operator==(const Scalars&, const Scalars&) = default;
  };
  struct Step {
    HistoryKind kind = HistoryKind::Edit;
    bool startsGroup = true;
    Scalars before;
    Scalars after;
    // Cells that count as living afterwards and did not before, and the
    // reverse.
    int births = 0;
    int deaths = 0;
    // The changed cells in grid order, each as one variable-length number:
    // the index distance to the previous changed cell above five low bits
    // that hold the exclusive-or of state and mark when it is that small (a
    // generation's change). Otherwise the five bits are 0 and the
    // exclusive-or of the state, remembered state and mark bytes follows.
    // Applied once it does the step, applied again it takes it back.
    std::vector<std::uint8_t> changes;
  };

  // Cell (state, remembered, mark) packed into one number.
  static std::uint32_t packed(const Cell& cell);
  // The counts of `field` now; the static cells are counted again only when
  // `recount`.
  Scalars scalarsOf(const LifeField& field, FieldSize size, bool recount) const;
  static std::size_t bytesOf(const Step& step) { return step.changes.size() + sizeof(Step); }
  // Encodes the cells that differ from the shadow into `encoding_` and takes
  // them into the shadow, counting births and deaths and noting a change of
  // a static cell; returns the length of the encoding.
  std::size_t takeChanges(const CellGrid& grid);
  // Applies the step's changes to the field and the shadow alike, and sets
  // both to the counts after (forward) or before the step.
  void apply(const Step& step, LifeField& field, bool forward);
  void dropOldest();

  std::size_t byteLimit_;
  std::vector<std::uint32_t> shadow_;  // the last recorded cells, as the grid indexes them
  Scalars shadowScalars_;
  std::vector<std::uint8_t> encoding_;  // room for the changes of every cell at once
  std::deque<Step> steps_;
  std::size_t position_ = 0;  // steps before it are done, from it on undone
  std::size_t bytes_ = 0;
  int births_ = 0;  // of the last encoding
  int deaths_ = 0;
  bool staticTouched_ = false;
};

}  // namespace orvalis
