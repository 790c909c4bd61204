#pragma once

#include <QImage>
#include <optional>
#include <string>
#include <variant>

#include "tools/ProgressLine.h"
#include "tools/Session.h"
#include "tools/StopRequest.h"

namespace orvalis::cli {

struct PictureStyle {
  int cellSize = 4;
  bool gridLines = false;
};

// The session's field as the field view paints it with cells of the
// style's size; with `preview` after a judging step, so that the coming
// births and deaths show. The message for the user when it cannot be made.
std::variant<QImage, std::string> renderPicture(Session& session, const PictureStyle& style,
                                                bool preview);

struct AnimationPlan {
  PictureStyle style;
  long long generations = 0;
  std::optional<int> delayMs;  // the file's interval otherwise
};

struct Animation {
  std::string bytes;                   // the GIF file, when there is no problem and no stop
  std::optional<std::string> problem;  // the message for the user
};

// A looping GIF: frame 0 the field as loaded, frame k the field after k
// generations, cells without the preview colours.
Animation animateField(Session& session, const AnimationPlan& plan, ProgressLine& progress,
                       const StopRequest& stop);

}  // namespace orvalis::cli
