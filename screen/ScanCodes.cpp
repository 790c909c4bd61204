#include "screen/ScanCodes.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <string_view>

namespace orvalis {
namespace {

// X11 and Wayland deliver the Linux input code plus 8.
constexpr unsigned linuxKeyOffset = 8;

// Linux input codes 1 to 88 (Escape to F12) are the scan codes themselves.
constexpr unsigned lastPlainLinuxKey = 88;

struct ExtendedKey {
  unsigned linuxCode;
  int scanCode;
};

constexpr ExtendedKey extendedKeys[] = {
    {96, 0x9C},   // numpad Enter
    {97, 0x9D},   // right Ctrl
    {98, 0xB5},   // numpad /
    {99, 0xB7},   // Print
    {100, 0xB8},  // right Alt
    {102, 0xC7},  // Home
    {103, 0xC8},  // Up
    {104, 0xC9},  // Page Up
    {105, 0xCB},  // Left
    {106, 0xCD},  // Right
    {107, 0xCF},  // End
    {108, 0xD0},  // Down
    {109, 0xD1},  // Page Down
    {110, 0xD2},  // Insert
    {111, 0xD3},  // Delete
    {119, 0xC5},  // Pause
    {125, 0xDB},  // left logo key
    {126, 0xDC},  // right logo key
    {127, 0xDD},  // menu key
};

struct KeyRow {
  std::string_view keys;
  int firstScanCode;
};

// The rows of a US keyboard, each with consecutive scan codes.
constexpr KeyRow keyRows[] = {
    {"1234567890", 0x02},
    {"QWERTYUIOP", 0x10},
    {"ASDFGHJKL", 0x1E},
    {"ZXCVBNM", 0x2C},
};

struct NamedKey {
  int qtKey;
  int scanCode;
};

constexpr NamedKey namedKeys[] = {
    {Qt::Key_Escape, 0x01}, {Qt::Key_Backspace, 0x0E}, {Qt::Key_Tab, 0x0F}, {Qt::Key_Return, 0x1C},
    {Qt::Key_Space, 0x39},  {Qt::Key_Enter, 0x9C},     {Qt::Key_Up, 0xC8},  {Qt::Key_Left, 0xCB},
    {Qt::Key_Right, 0xCD},  {Qt::Key_Down, 0xD0},      {Qt::Key_F11, 0x57}, {Qt::Key_F12, 0x58},
};

int scanCodeOfQtKey(int key) {
  for (const KeyRow& row : keyRows) {
    if (key < 0x80) {
      const auto at = row.keys.find(static_cast<char>(key));
      if (at != std::string_view::npos) {
        return row.firstScanCode + static_cast<int>(at);
      }
    }
  }
  if (key >= Qt::Key_F1 && key <= Qt::Key_F10) {
    return 0x3B + (key - Qt::Key_F1);
  }
  for (const NamedKey& named : namedKeys) {
    if (named.qtKey == key) {
      return named.scanCode;
    }
  }
  return -1;
}

bool deliversLinuxKeyCodes() {
  const QString platform = QGuiApplication::platformName();
  return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
}

}  // namespace

int scanCodeOfLinuxKey(unsigned code) {
  if (code >= 1 && code <= lastPlainLinuxKey) {
    return static_cast<int>(code);
  }
  for (const ExtendedKey& key : extendedKeys) {
    if (key.linuxCode == code) {
      return key.scanCode;
    }
  }
  return -1;
}

int scanCodeOf(const QKeyEvent& event) {
  const quint32 native = event.nativeScanCode();
  if (native > linuxKeyOffset && deliversLinuxKeyCodes()) {
    return scanCodeOfLinuxKey(native - linuxKeyOffset);
  }
  return scanCodeOfQtKey(event.key());
}

}  // namespace orvalis
