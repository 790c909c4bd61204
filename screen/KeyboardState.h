#pragma once

#include <array>
#include <bitset>

namespace orvalis {

// Keys by PC scan code (extended keys with 0x80 added), as the presentation
// reads them: a snapshot taken once a frame, and for each key the memory of
// having been seen down, so that letting go counts exactly once.
//
// The keyboard's own repetition of a held key is neither a new press nor a
// letting go. X11 sends it as a release and a press with the same time
// stamp; it cannot always flag them as repetition, and the two may arrive in
// different frames. So a key let go after being held long enough to repeat
// counts as up only from the second snapshot on, unless its press with the
// same time stamp came first.
class KeyboardState {
 public:
  static constexpr int keyCount = 256;
  // No keyboard repeats a key held for less than this (milliseconds).
  static constexpr long long shortestRepeatDelay = 100;

  // What the keyboard reports between snapshots, with the window system's
  // time stamp in milliseconds; `repeated` where it knows the event to be
  // repetition. A key pressed and let go again before the next snapshot
  // still shows as down in it once.
  void press(int scanCode, long long time, bool repeated = false);
  void release(int scanCode, long long time, bool repeated = false);
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
  void letGo(int scanCode);

  std::bitset<keyCount> down_;
  std::bitset<keyCount> pressedSinceSnapshot_;
  // Let go after a long hold, still down until the next snapshot but one.
  std::bitset<keyCount> releasePending_;
  std::bitset<keyCount> releaseSeenBySnapshot_;
  std::array<long long, keyCount> pressTime_{};
  std::array<long long, keyCount> releaseTime_{};
  std::bitset<keyCount> snapshot_;
  std::bitset<keyCount> seenDown_;
};

}  // namespace orvalis
