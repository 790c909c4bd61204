#include "tools/PatternInfo.h"

#include <array>
#include <ctime>

#include "files/io/TextEncoding.h"
#include "settings/GadgetAccess.h"

namespace orvalis::cli {
namespace {

const char* onOff(GadgetAccess& gadgets, GadgetId id) {
  return gadgets.gadgetValue(id) != 0 ? "ein" : "aus";
}

// The date field's value shown as the field shows it, dd.MM.yy HH:mm; the
// value counts the shown wall-clock time as UTC.
std::string dateText(long long value) {
  if (value == 0) {
    return "kein Datum";
  }
  const auto seconds = static_cast<std::time_t>(value);
  std::tm time{};
  if (gmtime_r(&seconds, &time) == nullptr) {
    return std::to_string(value);
  }
  std::array<char, 32> text{};
  std::strftime(text.data(), text.size(), "%d.%m.%y %H:%M", &time);
  return text.data();
}

// The comment's CR LF and lone CR line breaks as the terminal's LF.
std::string terminalLines(const std::string& text) {
  std::string lines;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r') {
      lines += text[i];
    } else if (i + 1 >= text.size() || text[i + 1] != '\n') {
      lines += '\n';
    }
  }
  return lines;
}

struct CellCounts {
  long dead = 0;
  long alive = 0;
  long fixed = 0;
  long blocked = 0;
  long other = 0;  // stray state bytes from a Life file
};

CellCounts countCells(const CellGrid& grid, FieldSize size) {
  CellCounts counts;
  for (int y = 0; y < size.rows; ++y) {
    for (int x = 0; x < size.columns; ++x) {
      switch (grid.at(x, y).state) {
        case CellState::Dead:
          ++counts.dead;
          break;
        case CellState::Alive:
          ++counts.alive;
          break;
        case CellState::Static:
          ++counts.fixed;
          break;
        case CellState::Blocked:
          ++counts.blocked;
          break;
        default:
          ++counts.other;
      }
    }
  }
  return counts;
}

}  // namespace

void printPatternInfo(std::ostream& out, GadgetAccess& gadgets, const CellGrid& grid) {
  const FieldSize size = visibleFieldSize(gadgets);
  const CellCounts counts = countCells(grid, size);
  const auto text = [&](GadgetId id) { return latin1ToUtf8(gadgets.gadgetText(id)); };
  out << "Intervall: " << text(GadgetId::IntervalSpin) << " ms\n"
      << "Größe: " << size.columns << " x " << size.rows << '\n'
      << "Gitter: " << onOff(gadgets, GadgetId::GridCheck) << '\n'
      << "Infinit: " << onOff(gadgets, GadgetId::InfiniteCheck) << '\n'
      << "Hide: " << onOff(gadgets, GadgetId::HideCheck) << '\n'
      << "Autor: " << text(GadgetId::AuthorField) << '\n'
      << "Quelle: " << text(GadgetId::SourceField) << '\n'
      << "Datum: " << dateText(gadgets.gadgetValue(GadgetId::DateField)) << '\n'
      << "Zellen: " << counts.alive << " lebend, " << counts.fixed << " statisch, "
      << counts.blocked << " leer, " << counts.dead << " tot";
  if (counts.other != 0) {
    out << ", " << counts.other << " unbekannt";
  }
  out << '\n' << "Kommentar:\n";
  const std::string comment = terminalLines(text(GadgetId::CommentEditor));
  if (!comment.empty()) {
    out << comment << '\n';
  }
}

}  // namespace orvalis::cli
