#pragma once

#include <cstdint>
#include <string>

#include "engine/CellGrid.h"
#include "settings/SettingsRecord.h"

namespace orvalis::test {

// `text` with each CR LF replaced by `lineBreak`, as an editor or git may
// convert a file.
inline std::string withLineBreaks(const std::string& text, const std::string& lineBreak) {
  std::string changed;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.compare(i, 2, "\r\n") == 0) {
      changed += lineBreak;
      ++i;
    } else {
      changed += text[i];
    }
  }
  return changed;
}

// The 3 x 3 field with a vertical blinker in the middle column, interval
// 1000, grid on, a two-line comment and the date 06.12.26 22:30.
inline void setUpBlinker(GadgetAccess& gadgets, CellGrid& grid) {
  gadgets.setGadgetValue(GadgetId::SizeXSpin, 3);
  gadgets.setGadgetValue(GadgetId::SizeYSpin, 3);
  gadgets.setGadgetText(GadgetId::IntervalSpin, "1000");
  gadgets.setGadgetValue(GadgetId::GridCheck, 1);
  gadgets.setGadgetText(GadgetId::CommentEditor, "Blinker\r\nPeriode 2");
  gadgets.setGadgetValue(GadgetId::DateField, 1796596200);
  for (int y = 0; y < 3; ++y) {
    grid.at(1, y).state = CellState::Alive;
  }
}

// That field as LifeXML, 336 bytes.
inline const std::string blinkerLifeXml =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "\r\n"
    "<Orvalis>\r\n"
    "  <Interval ms=\"1000\"/>\r\n"
    "  <Dimensions x=\"3\" y=\"3\"/>\r\n"
    "  <Options grid=\"1\" infinite=\"0\" hide=\"0\"/>\r\n"
    "  <Comment>\r\n"
    "    Blinker\r\n"
    "    Periode 2\r\n"
    "  </Comment>\r\n"
    "  <Date d=\"1796596200\"/>\r\n"
    "  <Fields>\r\n"
    "    <F x=\"1\" y=\"0\"/>\r\n"
    "    <F x=\"1\" y=\"1\"/>\r\n"
    "    <F x=\"1\" y=\"2\"/>\r\n"
    "  </Fields>\r\n"
    "</Orvalis>\r\n";

// That field as Life file, 49 bytes.
inline const std::string blinkerLifeFile = std::string(
    "\xE8\x03\x00\x00"
    "\x03\x00\x00\x00"
    "\x03\x00\x00\x00"
    "\x01\x00\x00\x00"
    "\x00\x00\x00\x00"
    "\x00\x01\x00"
    "\x00\x01\x00"
    "\x00\x01\x00"
    "Blinker\r\nPeriode 2"
    "\r\n",
    49);

// Writes `value` as `size` little-endian bytes at `offset`.
inline void putLittleEndian(std::string& bytes, std::size_t offset, std::uint32_t value,
                            int size = 4) {
  for (int k = 0; k < size; ++k) {
    bytes[offset + static_cast<std::size_t>(k)] = static_cast<char>((value >> (8 * k)) & 0xFF);
  }
}

// The 20-byte header of a Life file.
inline std::string lifeFileHeader(std::int32_t interval, std::int32_t columns, std::int32_t rows,
                                  std::int32_t grid = 0, std::int32_t infinite = 0) {
  std::string bytes(20, '\0');
  std::size_t offset = 0;
  for (const std::int32_t value : {interval, columns, rows, grid, infinite}) {
    putLittleEndian(bytes, offset, static_cast<std::uint32_t>(value));
    offset += 4;
  }
  return bytes;
}

}  // namespace orvalis::test
