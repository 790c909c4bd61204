#pragma once

class QKeyEvent;

namespace orvalis {

// PC keyboard scan codes of the keys the presentation answers.
namespace scanCode {
inline constexpr int escape = 0x01;
inline constexpr int r = 0x13;
inline constexpr int p = 0x19;
inline constexpr int enter = 0x1C;  // the main Return key
inline constexpr int c = 0x2E;
inline constexpr int space = 0x39;
}  // namespace scanCode

// The scan code of the key of a key event, with 0x80 added for the extended
// keys (cursor block, right Ctrl and Alt, numpad Enter and /), or -1. Where
// the platform delivers no hardware code (offscreen, synthetic events) it
// comes from the Qt key as on a US keyboard.
int scanCodeOf(const QKeyEvent& event);

// The scan code of a Linux input key code (X11 key code less 8), or -1.
int scanCodeOfLinuxKey(unsigned code);

}  // namespace orvalis
