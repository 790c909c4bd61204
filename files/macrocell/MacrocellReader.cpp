#include "files/macrocell/MacrocellReader.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>

#include "engine/CellGrid.h"
#include "files/io/TextEncoding.h"
#include "files/io/TextLines.h"
#include "files/pattern/RuleLine.h"
#include "files/pattern/ScatteredCells.h"

namespace orvalis {
namespace {

using Reason = PatternRefusal::Reason;

constexpr int leafLevel = 3;  // the 8 x 8 leaves written as "." "*" "$"
constexpr int leafSize = 8;
// Node sides of 2^62 keep every position within 64 bits.
constexpr int highestLevel = 62;
// A pattern within 500 x 500 needs a few thousand distinct nodes; a file
// with very many more holds a larger one.
constexpr std::size_t mostNodes = std::size_t{1} << 16;

// Where a node's living cells lie, from its own top-left corner.
struct Extent {
  long long left = 0;
  long long top = 0;
  long long right = -1;  // right < left: no living cell
  long long bottom = -1;

  bool empty() const { return right < left; }

  void cover(const Extent& other, long long dx, long long dy) {
    if (other.empty()) {
      return;
    }
    const Extent moved{other.left + dx, other.top + dy, other.right + dx, other.bottom + dy};
    *this = empty() ? moved
                    : Extent{std::min(left, moved.left), std::min(top, moved.top),
                             std::max(right, moved.right), std::max(bottom, moved.bottom)};
  }
};

// A leaf holds its 64 cells as bits, row by row; any other node its four
// quarters (north-west, north-east, south-west, south-east) as node numbers,
// 0 the empty quarter, or at level 1 four cell states.
struct Node {
  int level = 0;
  std::uint64_t leafCells = 0;
  std::array<std::uint32_t, 4> quarters{};
  Extent extent;
};

long long quarterSide(int level) {
  return 1LL << (level - 1);
}

std::optional<Node> leaf(std::string_view line) {
  Node node{leafLevel, 0, {}, {}};
  int x = 0;
  int y = 0;
  for (const char c : line) {
    if (c == '$') {
      x = 0;
      if (++y > leafSize) {
        return std::nullopt;
      }
      continue;
    }
    if ((c != '.' && c != '*') || x >= leafSize || y >= leafSize) {
      return std::nullopt;
    }
    if (c == '*') {
      node.leafCells |= std::uint64_t{1} << (y * leafSize + x);
      node.extent.cover({x, y, x, y}, 0, 0);
    }
    ++x;
  }
  return node;
}

class Quadtree {
 public:
  // A leaf line or "level nw ne sw se"; false when the node is broken.
  bool add(std::string_view line) {
    const auto node =
        line[0] == '.' || line[0] == '*' || line[0] == '$' ? leaf(line) : branch(line);
    if (!node) {
      return false;
    }
    nodes_.push_back(*node);
    return true;
  }

  std::size_t size() const { return nodes_.size(); }

  // The living cells of the last node, the whole pattern.
  std::optional<PatternRefusal> collect(ScatteredCells& cells) const {
    if (nodes_.size() == 1) {
      return std::nullopt;
    }
    const Extent& whole = nodes_.back().extent;
    if (!whole.empty() &&
        (whole.right - whole.left >= gridColumns || whole.bottom - whole.top >= gridRows)) {
      return PatternRefusal{Reason::TooLarge, {}};
    }
    collectFrom(nodes_.size() - 1, -whole.left, -whole.top, cells);
    return std::nullopt;
  }

 private:
  std::optional<Node> branch(std::string_view line) const {
    std::array<unsigned long long, 5> numbers{};
    const char* at = line.data();
    const char* const end = line.data() + line.size();
    for (unsigned long long& number : numbers) {
      while (at != end && (*at == ' ' || *at == '\t')) {
        ++at;
      }
      const auto [next, error] = std::from_chars(at, end, number);
      if (error != std::errc()) {
        return std::nullopt;
      }
      at = next;
    }
    if (!trimmed(std::string_view(at, static_cast<std::size_t>(end - at))).empty() ||
        numbers[0] < 1 || numbers[0] > highestLevel) {
      return std::nullopt;
    }
    Node node{static_cast<int>(numbers[0]), 0, {}, {}};
    const long long half = quarterSide(node.level);
    for (std::size_t q = 0; q < 4; ++q) {
      const unsigned long long quarter = numbers[q + 1];
      const long long dx = q % 2 == 1 ? half : 0;
      const long long dy = q >= 2 ? half : 0;
      if (node.level == 1) {
        // Two states only: more belong to rules other than Conway's.
        if (quarter > 1) {
          return std::nullopt;
        }
        if (quarter == 1) {
          node.extent.cover({0, 0, 0, 0}, dx, dy);
        }
      } else if (quarter != 0) {
        if (quarter >= nodes_.size() || nodes_[quarter].level != node.level - 1) {
          return std::nullopt;
        }
        node.extent.cover(nodes_[quarter].extent, dx, dy);
      }
      node.quarters[q] = static_cast<std::uint32_t>(quarter);
    }
    return node;
  }

  // Only nodes with living cells are entered, and the pattern fits 500 x
  // 500, so the walk stays short however deep the tree.
  void collectFrom(std::size_t index, long long x, long long y, ScatteredCells& cells) const {
    const Node& node = nodes_[index];
    if (node.extent.empty()) {
      return;
    }
    if (node.level == leafLevel && node.leafCells != 0) {
      for (int bit = 0; bit < leafSize * leafSize; ++bit) {
        if ((node.leafCells >> bit) & 1) {
          (void)cells.add(x + bit % leafSize, y + bit / leafSize);
        }
      }
      return;
    }
    const long long half = quarterSide(node.level);
    for (std::size_t q = 0; q < 4; ++q) {
      const long long dx = q % 2 == 1 ? half : 0;
      const long long dy = q >= 2 ? half : 0;
      if (node.level == 1) {
        if (node.quarters[q] == 1) {
          (void)cells.add(x + dx, y + dy);
        }
      } else if (node.quarters[q] != 0) {
        collectFrom(node.quarters[q], x + dx, y + dy, cells);
      }
    }
  }

  std::vector<Node> nodes_{Node{}};  // number 0: the empty node
};

}  // namespace

bool looksLikeMacrocell(std::string_view start) {
  return withoutByteOrderMark(start).starts_with("[M2]");
}

PatternReading readMacrocell(std::string_view text) {
  TextLines lines(withoutByteOrderMark(text));
  if (!looksLikeMacrocell(lines.next().value_or(""))) {
    return PatternRefusal{Reason::Malformed, {}};
  }
  ReadPattern settings;
  Quadtree tree;
  while (const auto next = lines.next()) {
    const std::string_view line = trimmed(*next);
    if (line.empty()) {
      continue;
    }
    if (line[0] == '#') {
      const char kind = line.size() > 1 ? line[1] : ' ';
      const std::string_view rest = line.substr(std::min<std::size_t>(2, line.size()));
      if (kind == 'R') {
        if (auto refusal = takeRule(rest, settings)) {
          return *refusal;
        }
      } else if (kind == 'C' || kind == 'D') {
        settings.commentLines.push_back(utf8ToLatin1(trimmed(rest)));
      }
      continue;
    }
    if (tree.size() > mostNodes) {
      return PatternRefusal{Reason::TooLarge, {}};
    }
    if (!tree.add(line)) {
      return PatternRefusal{Reason::Malformed, {}};
    }
  }
  ScatteredCells cells;
  if (auto refusal = tree.collect(cells)) {
    return *refusal;
  }
  ReadPattern pattern = cells.pattern();
  pattern.grid = settings.grid;
  pattern.commentLines = std::move(settings.commentLines);
  return pattern;
}

}  // namespace orvalis
