#pragma once

#include <bitset>

namespace orvalis {

// Keys by PC scan code (extended keys with 0x80 added), as the presentation
// reads them: a snapshot taken once a frame, and for each key the memory of
// having been seen down, so that letting go counts exactly once.
class KeyboardState {
 public:
  static constexpr int keyCount = 256;

  // What the keyboard reports between snapshots. A key pressed and let go
  // again before the next snapshot still shows as down in it once.
  void press(int scanCode);
  void release(int scanCode);
  // Everything up, as when the window loses the keyboard.
  void releaseAll();

  // Takes the snapshot. Without the keyboard no key counts as down, and no
  // key counts as let go either.
  void takeSnapshot(bool keyboardAvailable);

  // True once after a key that an earlier snapshot saw down is up in the
  // current one; each query updates the key's memory.
  bool released(int scanCode);
  bool held(int scanCode) const;

 private:
  static bool isKey(int scanCode) { return scanCode >= 0 && scanCode < keyCount; }

  std::bitset<keyCount> down_;
  std::bitset<keyCount> pressedSinceSnapshot_;
  std::bitset<keyCount> snapshot_;
  std::bitset<keyCount> seenDown_;
};

}  // namespace orvalis
