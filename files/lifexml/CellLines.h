#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orvalis {

// The lines of the cell elements inside `Fields` exactly as the LifeXML
// writer puts them, CR LF and four spaces before each: the bulk of a large
// file, which both the writer and the reader handle without the general XML
// machinery.

// How every LifeXML file that the writer makes begins: UTF-8, without a
// document type that could add attributes or entities to the cells.
inline constexpr std::string_view writtenLifeXmlStart =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n\r\n<Orvalis>";

// Appends the line of the cell element `name` (F, S or E) at (x, y).
void appendCellLine(std::string& text, char name, int x, int y);

// `\r\n    <F x="0" y="0"/>`
inline constexpr std::size_t shortestCellLine = 22;
// `\r\n    <F x="499" y="499"/>`
inline constexpr std::size_t longestCellLine = 26;

struct CellLine {
  char name;           // F, S or E
  std::string_view x;  // decimal digits
  std::string_view y;
};

// The cell line at the start of `text`, and its length; nothing unless the
// text starts with a line exactly in the writer's form.
std::optional<CellLine> cellLineAt(std::string_view text, std::size_t& length);

}  // namespace orvalis
