#include "files/community/ExportedPattern.h"

#include <algorithm>

#include "engine/Text.h"
#include "files/io/TextEncoding.h"
#include "files/io/TextLines.h"

namespace orvalis {
namespace {

std::string withoutExtension(const std::string& fileName) {
  const std::size_t dot = fileName.rfind('.');
  return dot == std::string::npos || dot == 0 ? fileName : fileName.substr(0, dot);
}

// The editor's lines (CR LF, LF or CR between them), trimmed, blank ones
// left out.
std::vector<std::string> commentLines(std::string_view comment) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= comment.size()) {
    const std::size_t end = std::min(comment.find_first_of("\r\n", start), comment.size());
    const std::string_view line = trimmed(comment.substr(start, end - start));
    if (!line.empty()) {
      lines.emplace_back(line);
    }
    start = end + (comment.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  return lines;
}

}  // namespace

ExportedPattern exportedPattern(const std::string& path, GadgetAccess& gadgets) {
  ExportedPattern pattern;
  pattern.size = visibleFieldSize(gadgets);
  pattern.torus = gadgets.gadgetValue(GadgetId::InfiniteCheck) != 0;
  pattern.name = withoutExtension(filePart(path));
  pattern.author = latin1ToUtf8(trimmed(gadgets.gadgetText(GadgetId::AuthorField)));
  for (const std::string& line : commentLines(gadgets.gadgetText(GadgetId::CommentEditor))) {
    pattern.commentLines.push_back(latin1ToUtf8(line));
  }
  // A comment read from such a file starts with its name.
  if (!pattern.commentLines.empty() && pattern.commentLines.front() == pattern.name) {
    pattern.commentLines.erase(pattern.commentLines.begin());
  }
  const std::string source = latin1ToUtf8(trimmed(gadgets.gadgetText(GadgetId::SourceField)));
  if (!source.empty() && std::find(pattern.commentLines.begin(), pattern.commentLines.end(),
                                   source) == pattern.commentLines.end()) {
    pattern.commentLines.push_back(source);
  }
  return pattern;
}

bool holdsFixedCells(GadgetAccess& gadgets, const CellGrid& grid) {
  const FieldSize size = visibleFieldSize(gadgets);
  for (int x = 0; x < size.columns; ++x) {
    const Cell* column = grid.column(x);
    for (int y = 0; y < size.rows; ++y) {
      if (column[y].state == CellState::Static || column[y].state == CellState::Blocked) {
        return true;
      }
    }
  }
  return false;
}

}  // namespace orvalis
