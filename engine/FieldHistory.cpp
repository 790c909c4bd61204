#include "engine/FieldHistory.h"

#include <bit>
#include <cstddef>
#include <cstring>

#include "engine/Population.h"

namespace orvalis {
namespace {

// A change's number: the index distance above `changeBits` low bits. Bit 0
// says the state and mark parts of the exclusive-or are in the bits above
// it; without it the whole exclusive-or follows as three bytes.
constexpr int changeBits = 5;
constexpr std::uint32_t smallChange = 1;
constexpr std::uint32_t smallParts = 0x030003;  // state and mark below 4, remembered equal
constexpr int markShift = 16;
static_assert(std::endian::native == std::endian::little);
static_assert(offsetof(Cell, state) == 0 && offsetof(Cell, remembered) == 1 &&
              offsetof(Cell, pending) == 2);
// The longest change: a distance of up to 250000 takes four bytes of seven
// bits each, then three bytes of exclusive-or.
constexpr std::size_t longestChange = 4 + 3;

std::uint8_t* writeNumber(std::uint8_t* out, std::uint32_t value) {
  while (value >= 0x80) {
    *out++ = static_cast<std::uint8_t>(value | 0x80);
    value >>= 7;
  }
  *out++ = static_cast<std::uint8_t>(value);
  return out;
}

const std::uint8_t* readNumber(const std::uint8_t* in, std::uint32_t& value) {
  value = 0;
  for (int shift = 0;; shift += 7) {
    const std::uint8_t byte = *in++;
    value |= static_cast<std::uint32_t>(byte & 0x7F) << shift;
    if (byte < 0x80) {
      return in;
    }
  }
}

std::uint8_t* writeChange(std::uint8_t* out, int distance, std::uint32_t difference) {
  const auto distanceBits = static_cast<std::uint32_t>(distance - 1) << changeBits;
  if ((difference & ~smallParts) == 0) {
    return writeNumber(
        out, distanceBits | smallChange | (difference & 3) << 1 | (difference >> markShift) << 3);
  }
  out = writeNumber(out, distanceBits);
  for (int part = 0; part < 3; ++part) {
    *out++ = static_cast<std::uint8_t>(difference >> (8 * part));
  }
  return out;
}

// Alive (1) or Static (2) in the state byte of a packed cell.
int livingBit(std::uint32_t packedCell) {
  return static_cast<int>(((packedCell & 0xFF) - 1) < 2);
}

bool isStatic(std::uint32_t packedCell) {
  return (packedCell & 0xFF) == static_cast<std::uint32_t>(CellState::Static);
}

template <typename Byte>
Byte flipped(Byte value, std::uint32_t bits) {
  return static_cast<Byte>(
      static_cast<std::int8_t>(static_cast<std::uint8_t>(value) ^ static_cast<std::uint8_t>(bits)));
}

}  // namespace

FieldHistory::FieldHistory(std::size_t byteLimit)
    : byteLimit_(byteLimit),
      shadow_(gridCellCount, 0),
      encoding_(static_cast<std::size_t>(gridCellCount) * longestChange) {}

// The first word of the record without its padding byte: one load a cell.
std::uint32_t FieldHistory::packed(const Cell& cell) {
  std::uint32_t word;
  std::memcpy(&word, &cell, sizeof word);
  return word & 0x00FFFFFF;
}

// No generation changes a static cell, so a run counts them once.
FieldHistory::Scalars FieldHistory::scalarsOf(const LifeField& field, FieldSize size,
                                              bool recount) const {
  const FieldSize clamped = size.clamped();
  const bool again = recount || clamped != shadowScalars_.size;
  return {clamped,
          field.generation,
          field.rememberedGeneration,
          field.population,
          again ? countStatic(field.cells, clamped) : shadowScalars_.staticCells,
          field.fieldEdited};
}

void FieldHistory::reset(const LifeField& field, FieldSize size) {
  steps_.clear();
  position_ = 0;
  bytes_ = 0;
  takeChanges(field.cells);
  shadowScalars_ = scalarsOf(field, size, true);
}

// The grid is one array in index order, so the whole of it is one loop. Most
// cells are as they were: a run of them is compared without a branch a cell.
std::size_t FieldHistory::takeChanges(const CellGrid& grid) {
  constexpr int run = 16;
  static_assert(gridCellCount % run == 0);
  const Cell* cells = grid.column(0);
  std::uint32_t* shadow = shadow_.data();
  std::uint8_t* const start = encoding_.data();
  std::uint8_t* out = start;
  int previous = -1;
  int births = 0;
  int deaths = 0;
  bool staticTouched = false;
  for (int first = 0; first < gridCellCount; first += run) {
    std::uint32_t any = 0;
    for (int index = first; index < first + run; ++index) {
      any |= packed(cells[index]) ^ shadow[index];
    }
    if (any == 0) {
      continue;
    }
    for (int index = first; index < first + run; ++index) {
      const std::uint32_t now = packed(cells[index]);
      const std::uint32_t difference = now ^ shadow[index];
      if (difference != 0) {
        const int before = livingBit(shadow[index]);
        const int after = livingBit(now);
        births += after & (1 - before);
        deaths += before & (1 - after);
        staticTouched = staticTouched || isStatic(now) != isStatic(shadow[index]);
        shadow[index] = now;
        out = writeChange(out, index - previous, difference);
        previous = index;
      }
    }
  }
  births_ = births;
  deaths_ = deaths;
  staticTouched_ = staticTouched;
  return static_cast<std::size_t>(out - start);
}

bool FieldHistory::record(const LifeField& field, FieldSize size, HistoryKind kind,
                          bool startsRun) {
  const std::size_t length = takeChanges(field.cells);
  const Scalars now = scalarsOf(field, size, staticTouched_);
  if (length == 0 && now == shadowScalars_) {
    return false;
  }
  while (canRedo()) {
    bytes_ -= bytesOf(steps_.back());
    steps_.pop_back();
  }
  steps_.push_back({kind,
                    kind == HistoryKind::Edit || startsRun,
                    shadowScalars_,
                    now,
                    births_,
                    deaths_,
                    {encoding_.begin(), encoding_.begin() + static_cast<std::ptrdiff_t>(length)}});
  bytes_ += bytesOf(steps_.back());
  position_ = steps_.size();
  shadowScalars_ = now;
  while (bytes_ > byteLimit_ && steps_.size() > 1) {
    dropOldest();
  }
  return true;
}

void FieldHistory::runRecords(std::vector<GenerationRecord>& out) const {
  out.clear();
  const auto advances = [](const Step& step) {
    return step.after.generation == step.before.generation + 1;
  };
  const auto restarts = [&](const Step& step) {
    return step.after.generation == 0 ||
           (step.after.generation != step.before.generation && !advances(step));
  };
  std::size_t first = position_;
  while (first > 0 && !restarts(steps_[first - 1])) {
    --first;
  }
  const Scalars& start = first > 0        ? steps_[first - 1].after
                         : steps_.empty() ? shadowScalars_
                                          : steps_.front().before;
  out.push_back({start.generation, start.population, start.staticCells, 0, 0});
  for (std::size_t i = first; i < position_; ++i) {
    const Step& step = steps_[i];
    if (advances(step)) {
      out.push_back({step.after.generation, step.after.population, step.after.staticCells,
                     step.births, step.deaths});
    }
  }
}

void FieldHistory::dropOldest() {
  bytes_ -= bytesOf(steps_.front());
  steps_.pop_front();
  --position_;
}

void FieldHistory::apply(const Step& step, LifeField& field, bool forward) {
  Cell* cells = field.cells.column(0);
  const std::uint8_t* in = step.changes.data();
  const std::uint8_t* const end = in + step.changes.size();
  int index = -1;
  while (in != end) {
    std::uint32_t number = 0;
    in = readNumber(in, number);
    index += static_cast<int>(number >> changeBits) + 1;
    std::uint32_t difference = 0;
    if (number & smallChange) {
      difference = (number >> 1 & 3) | (number >> 3 & 3) << markShift;
    } else {
      for (int part = 0; part < 3; ++part) {
        difference |= static_cast<std::uint32_t>(*in++) << (8 * part);
      }
    }
    Cell& cell = cells[index];
    cell.state = flipped(cell.state, difference);
    cell.remembered = flipped(cell.remembered, difference >> 8);
    cell.pending = flipped(cell.pending, difference >> markShift);
    shadow_[index] ^= difference;
  }
  const Scalars& scalars = forward ? step.after : step.before;
  field.generation = scalars.generation;
  field.rememberedGeneration = scalars.rememberedGeneration;
  field.population = scalars.population;
  field.fieldEdited = scalars.fieldEdited;
  shadowScalars_ = scalars;
}

std::optional<FieldSize> FieldHistory::undo(LifeField& field, FieldSize size) {
  record(field, size, HistoryKind::Edit);
  if (!canUndo()) {
    return std::nullopt;
  }
  do {
    --position_;
    apply(steps_[position_], field, false);
  } while (position_ > 0 && !steps_[position_].startsGroup);
  return shadowScalars_.size;
}

std::optional<FieldSize> FieldHistory::redo(LifeField& field, FieldSize size) {
  // A change recorded now drops what could be redone.
  record(field, size, HistoryKind::Edit);
  if (!canRedo()) {
    return std::nullopt;
  }
  do {
    apply(steps_[position_], field, true);
    ++position_;
  } while (canRedo() && !steps_[position_].startsGroup);
  return shadowScalars_.size;
}

std::optional<FieldSize> FieldHistory::stepBack(LifeField& field, FieldSize size) {
  // A change recorded now is an edit, which stops the step back.
  record(field, size, HistoryKind::Edit);
  if (!canStepBack()) {
    return std::nullopt;
  }
  --position_;
  apply(steps_[position_], field, false);
  return shadowScalars_.size;
}

}  // namespace orvalis
