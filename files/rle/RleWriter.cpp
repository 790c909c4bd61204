#include "files/rle/RleWriter.h"

#include "engine/Population.h"
#include "settings/Text.h"

namespace orvalis {
namespace {

constexpr std::size_t maxBodyLine = 70;

// Collects the body's items ("12o", "b", "3$") into lines of at most 70
// characters, never splitting an item.
class BodyLines {
 public:
  explicit BodyLines(std::string& text) : text_(text) {}

  void add(long long count, char tag) {
    const std::string item = count > 1 ? decimalText(count) + tag : std::string(1, tag);
    if (lineLength_ + item.size() > maxBodyLine) {
      text_ += '\n';
      lineLength_ = 0;
    }
    text_ += item;
    lineLength_ += item.size();
  }

 private:
  std::string& text_;
  std::size_t lineLength_ = 0;
};

}  // namespace

std::string rleBody(const PatternCells& cells) {
  std::string text;
  BodyLines body(text);
  long long endedRows = 0;  // row ends not yet written
  for (int y = 0; y < cells.height; ++y) {
    int x = 0;
    while (x < cells.width) {
      const bool alive = countsAsLiving(cells.at(x, y));
      int end = x + 1;
      while (end < cells.width && countsAsLiving(cells.at(end, y)) == alive) {
        ++end;
      }
      if (!alive && end == cells.width) {
        break;  // a row's trailing dead cells
      }
      if (endedRows > 0) {
        body.add(endedRows, '$');
        endedRows = 0;
      }
      body.add(end - x, alive ? 'o' : 'b');
      x = end;
    }
    ++endedRows;
  }
  body.add(1, '!');
  text += '\n';
  return text;
}

std::string rleText(const ExportedPattern& pattern) {
  const std::string columns = decimalText(pattern.size.columns);
  const std::string rows = decimalText(pattern.size.rows);
  std::string text = "#CXRLE Pos=" + decimalText(-(pattern.size.columns / 2)) + "," +
                     decimalText(-(pattern.size.rows / 2)) + "\n";
  if (!pattern.name.empty()) {
    text += "#N " + pattern.name + "\n";
  }
  if (!pattern.author.empty()) {
    text += "#O " + pattern.author + "\n";
  }
  for (const std::string& line : pattern.commentLines) {
    text += line.empty() ? "#C\n" : "#C " + line + "\n";
  }
  text += "x = " + columns + ", y = " + rows + ", rule = B3/S23:" + (pattern.torus ? "T" : "P") +
          columns + "," + rows + "\n";
  text += rleBody(pattern.cells);
  return text;
}

}  // namespace orvalis
