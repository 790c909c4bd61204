#include "screen/KeyboardState.h"

namespace orvalis {

void KeyboardState::press(int scanCode) {
  if (isKey(scanCode)) {
    down_.set(scanCode);
    pressedSinceSnapshot_.set(scanCode);
  }
}

void KeyboardState::release(int scanCode) {
  if (isKey(scanCode)) {
    down_.reset(scanCode);
  }
}

void KeyboardState::releaseAll() {
  down_.reset();
}

void KeyboardState::takeSnapshot(bool keyboardAvailable) {
  snapshot_ = down_ | pressedSinceSnapshot_;
  pressedSinceSnapshot_.reset();
  if (!keyboardAvailable) {
    // Losing the keyboard is no letting go: a key held meanwhile gives no
    // command when the keyboard comes back.
    snapshot_.reset();
    seenDown_.reset();
  }
}

bool KeyboardState::released(int scanCode) {
  if (!isKey(scanCode)) {
    return false;
  }
  const bool wasDown = seenDown_.test(scanCode);
  seenDown_.set(scanCode, snapshot_.test(scanCode));
  return wasDown && !snapshot_.test(scanCode);
}

bool KeyboardState::held(int scanCode) const {
  return isKey(scanCode) && snapshot_.test(scanCode);
}

}  // namespace orvalis
