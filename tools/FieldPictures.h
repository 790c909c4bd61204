#pragma once

#include <QImage>
#include <optional>
#include <string>
#include <variant>

#include "files/picture/GifAnimation.h"
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

// A looping GIF handed to `output` frame by frame: frame 0 the field as
// loaded, frame k the field after k generations, cells without the preview
// colours. The message for the user when it cannot be made or written;
// nothing when it is complete or stopped.
std::optional<std::string> animateField(Session& session, const AnimationPlan& plan,
                                        const GifAnimation::Output& output, ProgressLine& progress,
                                        const StopRequest& stop);

}  // namespace orvalis::cli
