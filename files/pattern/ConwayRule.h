#pragma once

#include <optional>
#include <string_view>

namespace orvalis {

// A bounded grid that Golly's rule suffix gives a pattern: ":Tc,r" a torus,
// ":Pc,r" a plane, c columns and r rows.
struct BoundedGrid {
  int columns = 0;
  int rows = 0;
  bool torus = false;
};

// What a rule text tells the program: that it is Conway's rule, and the
// bounded grid when a suffix names one.
struct ConwayRule {
  std::optional<BoundedGrid> grid;
  // Conway's rule on a torus or plane of more than 500 columns or rows: no
  // field holds it, so there is no grid.
  bool gridTooLarge = false;
};

// Conway's rule in its usual spellings, any case, blanks ignored: "B3/S23",
// "B3S23", "S23/B3", "23/3", "Life", the empty text; optionally with ":Tc,r" or
// ":Pc,r", both sizes at least 1. Nothing for any other rule or grid.
std::optional<ConwayRule> conwayRule(std::string_view rule);

}  // namespace orvalis
