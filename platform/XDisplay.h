#pragma once

namespace orvalis::platform {

// Whether an X server answers at the display that DISPLAY names. Asks the
// server once and hangs up; no window is made.
bool xDisplayAnswers();

}  // namespace orvalis::platform
