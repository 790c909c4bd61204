#include "screen/KeyboardState.h"

namespace orvalis {

void KeyboardState::press(int scanCode, long long time, bool repeated) {
  if (!isKey(scanCode)) {
    return;
  }
  if (releasePending_.test(scanCode)) {
    if (repeated || releaseTime_[scanCode] == time) {
      // The release was the keyboard's repetition: the key never went up.
      releasePending_.reset(scanCode);
      releaseSeenBySnapshot_.reset(scanCode);
      return;
    }
    letGo(scanCode);
  }
  if (repeated) {
    return;
  }
  down_.set(scanCode);
  pressedSinceSnapshot_.set(scanCode);
  pressTime_[scanCode] = time;
}

void KeyboardState::release(int scanCode, long long time, bool repeated) {
  if (!isKey(scanCode) || repeated) {
    return;
  }
  const long long heldFor = time - pressTime_[scanCode];
  if (down_.test(scanCode) && !(heldFor >= 0 && heldFor < shortestRepeatDelay)) {
    releasePending_.set(scanCode);
    releaseSeenBySnapshot_.reset(scanCode);
    releaseTime_[scanCode] = time;
    return;
  }
  letGo(scanCode);
}

void KeyboardState::letGo(int scanCode) {
  down_.reset(scanCode);
  releasePending_.reset(scanCode);
  releaseSeenBySnapshot_.reset(scanCode);
}

void KeyboardState::releaseAll() {
  down_.reset();
  releasePending_.reset();
  releaseSeenBySnapshot_.reset();
}

void KeyboardState::takeSnapshot(bool keyboardAvailable) {
  const std::bitset<keyCount> expired = releasePending_ & releaseSeenBySnapshot_;
  down_ &= ~expired;
  releasePending_ &= ~expired;
  releaseSeenBySnapshot_ = releasePending_;
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
