#include "engine/BitField.h"

#include <algorithm>
#include <bit>

#include "engine/VectorClones.h"

namespace orvalis {
namespace {

constexpr int wordBits = 64;

// Bit x of the result holds the cell left (right) of x: the plane moved by
// one column, taking the bit that crosses into the word from its neighbour.
inline std::uint64_t leftNeighbours(const std::uint64_t* plane, std::size_t i) {
  return (plane[i] << 1) | (plane[i - 1] >> 63);
}
inline std::uint64_t rightNeighbours(const std::uint64_t* plane, std::size_t i) {
  return (plane[i] >> 1) | (plane[i + 1] << 63);
}

struct Planes {
  const std::uint64_t* counted;
  const std::uint64_t* fixedLiving;  // static cells
  std::uint64_t* open;
  std::uint64_t* lingering;
  std::uint64_t* next;
};

// The next generation of the words [first, end), one neighbour count for 64
// cells at a time: the eight neighbours are added bit by bit with full
// adders, so each bit position carries its own count. Only whether the count
// is 2 or 3, and which of the two, is needed.
template <bool withLingering>
inline __attribute__((always_inline)) void nextWords(const Planes& planes, std::size_t first,
                                                     std::size_t end, std::size_t stride) {
  const std::uint64_t* counted = planes.counted;
  for (std::size_t i = first; i < end; ++i) {
    const std::size_t up = i - stride;
    const std::size_t down = i + stride;

    const std::uint64_t upLeft = leftNeighbours(counted, up);
    const std::uint64_t upRight = rightNeighbours(counted, up);
    const std::uint64_t upHalf = upLeft ^ counted[up];
    const std::uint64_t upOnes = upHalf ^ upRight;
    const std::uint64_t upTwos = (upLeft & counted[up]) | (upRight & upHalf);

    const std::uint64_t downLeft = leftNeighbours(counted, down);
    const std::uint64_t downRight = rightNeighbours(counted, down);
    const std::uint64_t downHalf = downLeft ^ counted[down];
    const std::uint64_t downOnes = downHalf ^ downRight;
    const std::uint64_t downTwos = (downLeft & counted[down]) | (downRight & downHalf);

    const std::uint64_t left = leftNeighbours(counted, i);
    const std::uint64_t right = rightNeighbours(counted, i);
    const std::uint64_t sideOnes = left ^ right;
    const std::uint64_t sideTwos = left & right;

    const std::uint64_t onesHalf = upOnes ^ sideOnes;
    const std::uint64_t ones = onesHalf ^ downOnes;
    const std::uint64_t carry = (upOnes & sideOnes) | (downOnes & onesHalf);
    // Four bits of weight two: exactly one of them makes the count 2 or 3.
    const std::uint64_t twosA = upTwos ^ sideTwos;
    const std::uint64_t twosB = downTwos ^ carry;
    const std::uint64_t atLeastTwoTwos = (upTwos & sideTwos) | (downTwos & carry) | (twosA & twosB);
    const std::uint64_t twoOrThree = (twosA ^ twosB) & ~atLeastTwoTwos;

    // Born with 3, kept with 2 or 3; only open cells follow the rule.
    const std::uint64_t living = twoOrThree & (ones | counted[i]);
    planes.next[i] = (living & planes.open[i]) | planes.fixedLiving[i];
    if constexpr (withLingering) {
      // A cell with a negative state lives on like an alive one; once it
      // dies it is an ordinary dead cell.
      const std::uint64_t lingering = planes.lingering[i];
      planes.open[i] |= lingering & ~twoOrThree;
      planes.lingering[i] = lingering & twoOrThree;
    }
  }
}

ORVALIS_VECTOR_CLONES void nextGeneration(const Planes& planes, std::size_t first, std::size_t end,
                                          std::size_t stride) {
  nextWords<false>(planes, first, end, stride);
}

ORVALIS_VECTOR_CLONES void nextGenerationWithLingering(const Planes& planes, std::size_t first,
                                                       std::size_t end, std::size_t stride) {
  nextWords<true>(planes, first, end, stride);
}

inline bool bitAt(const std::vector<std::uint64_t>& plane, std::size_t word, int bit) {
  return ((plane[word + static_cast<std::size_t>(bit / wordBits)] >> (bit % wordBits)) & 1) != 0;
}

inline void setBit(std::vector<std::uint64_t>& plane, std::size_t word, int bit) {
  plane[word + static_cast<std::size_t>(bit / wordBits)] |= std::uint64_t{1} << (bit % wordBits);
}

// The state the stepping protocol's first call starts from: its apply phase
// carries out the marks unless the field was edited.
std::int8_t startState(const Cell& cell, bool applyMarks) {
  if (applyMarks && cell.pending == PendingMark::Birth) {
    return static_cast<std::int8_t>(CellState::Alive);
  }
  if (applyMarks && cell.pending == PendingMark::Die) {
    return static_cast<std::int8_t>(CellState::Dead);
  }
  return static_cast<std::int8_t>(cell.state);
}

}  // namespace

BitField::BitField(const LifeField& field, const StepSettings& settings, bool applyMarks)
    : size_(settings.size.clamped()),
      wrapEdges_(settings.wrapEdges),
      stride_(static_cast<std::size_t>((size_.columns + 2 + wordBits - 1) / wordBits)) {
  const std::size_t words = static_cast<std::size_t>(size_.rows + 2) * stride_ + 2;
  for (Words* plane : {&counted_, &next_, &static_, &open_, &lingering_}) {
    plane->assign(words, 0);
  }
  for (int x = 0; x < size_.columns; ++x) {
    for (int y = 0; y < size_.rows; ++y) {
      const std::int8_t state = startState(field.cells.at(x, y), applyMarks);
      const std::size_t row = wordAt(y + 1);
      if (state == static_cast<std::int8_t>(CellState::Static)) {
        setBit(static_, row, x + 1);
        setBit(counted_, row, x + 1);
        ++staticCount_;
      } else if (state < 0) {
        setBit(lingering_, row, x + 1);
        anyLingering_ = true;
      } else if (state <= static_cast<std::int8_t>(CellState::Alive)) {
        setBit(open_, row, x + 1);
        if (state == static_cast<std::int8_t>(CellState::Alive)) {
          setBit(counted_, row, x + 1);
        }
      }
    }
  }
  fillEdges(counted_);
}

// On a torus, the spare columns and rows around the field take the cells of
// the opposite edge; on a plane they stay empty.
void BitField::fillEdges(Words& plane) const {
  if (!wrapEdges_) {
    return;
  }
  for (int row = 1; row <= size_.rows; ++row) {
    const std::size_t word = wordAt(row);
    if (bitAt(plane, word, size_.columns)) {
      setBit(plane, word, 0);
    }
    if (bitAt(plane, word, 1)) {
      setBit(plane, word, size_.columns + 1);
    }
  }
  const auto rowStart = [&](int row) {
    return plane.begin() + static_cast<std::ptrdiff_t>(wordAt(row));
  };
  const auto strideWords = static_cast<std::ptrdiff_t>(stride_);
  std::copy(rowStart(size_.rows), rowStart(size_.rows) + strideWords, rowStart(0));
  std::copy(rowStart(1), rowStart(1) + strideWords, rowStart(size_.rows + 1));
}

void BitField::step() {
  const Planes planes{counted_.data(), static_.data(), open_.data(), lingering_.data(),
                      next_.data()};
  const std::size_t first = wordAt(1);
  const std::size_t end = wordAt(size_.rows + 1);
  if (anyLingering_) {
    nextGenerationWithLingering(planes, first, end, stride_);
  } else {
    nextGeneration(planes, first, end, stride_);
  }
  fillEdges(next_);
  counted_.swap(next_);
}

void BitField::writeStates(CellGrid& cells) const {
  for (int x = 0; x < size_.columns; ++x) {
    for (int y = 0; y < size_.rows; ++y) {
      const std::size_t row = wordAt(y + 1);
      if (bitAt(open_, row, x + 1)) {
        cells.at(x, y).state = bitAt(counted_, row, x + 1) ? CellState::Alive : CellState::Dead;
      }
    }
  }
}

void BitField::storeInto(LifeField& field) const {
  writeStates(field.cells);
  // The marks the last step of the protocol would have left.
  generationStep(field.cells, {size_, wrapEdges_}, true, nullptr);
  field.fieldEdited = false;
}

long long BitField::livingCount() const {
  long long count = 0;
  for (std::size_t i = wordAt(1); i < wordAt(size_.rows + 1); ++i) {
    count += std::popcount(counted_[i] & open_[i]);
  }
  return count;
}

bool BitField::sameCells(const BitField& other) const {
  return counted_ == other.counted_ && lingering_ == other.lingering_;
}

}  // namespace orvalis
