#include "tools/FieldPictures.h"

#include <algorithm>

#include "files/FileMessages.h"
#include "files/picture/GifAnimation.h"
#include "files/picture/RgbPicture.h"
#include "settings/GadgetAccess.h"
#include "tools/HeadlessRun.h"
#include "view/FieldImage.h"

namespace orvalis::cli {
namespace {

// GIF viewers show no frame shorter than this.
constexpr int shortestFrameMs = 20;

std::string sizeText(const QRect& area) {
  return std::to_string(area.width()) + " x " + std::to_string(area.height()) + " pixels";
}

// The layout of the session's field alone, its positions written into the
// cells; the message when the picture would take too much memory.
std::variant<FieldLayout, std::string> layOutPicture(Session& session, const PictureStyle& style) {
  const FieldLayout layout =
      pictureLayout(visibleFieldSize(session.settings), style.cellSize, style.gridLines);
  const QRect area = fieldArea(layout, style.gridLines);
  if (static_cast<long long>(area.width()) * area.height() > maxPicturePixels) {
    return "a picture of " + sizeText(area) + " is too large (at most " +
           std::to_string(maxPicturePixels) + " pixels)";
  }
  writeCellPositions(session.field.cells, layout);
  return layout;
}

QImage drawField(const CellGrid& cells, const FieldLayout& layout, const PictureStyle& style,
                 bool preview) {
  // One pixel a cell leaves no room for the view's gap between cells.
  if (style.cellSize == 1) {
    return cellPixelImage(cells, {layout.columns, layout.rows}, preview);
  }
  return fieldImage(cells, layout, {style.gridLines, preview});
}

}  // namespace

std::variant<QImage, std::string> renderPicture(Session& session, const PictureStyle& style,
                                                bool preview) {
  const auto layout = layOutPicture(session, style);
  if (const auto* problem = std::get_if<std::string>(&layout)) {
    return *problem;
  }
  if (preview) {
    advanceOneStep(session);
  }
  QImage image = drawField(session.field.cells, std::get<FieldLayout>(layout), style, preview);
  if (image.isNull()) {
    return pictureSaveFailedMessage().text;
  }
  return image;
}

std::optional<std::string> animateField(Session& session, const AnimationPlan& plan,
                                        const GifAnimation::Output& output, ProgressLine& progress,
                                        const StopRequest& stop) {
  const auto laidOut = layOutPicture(session, plan.style);
  if (const auto* problem = std::get_if<std::string>(&laidOut)) {
    return *problem;
  }
  const FieldLayout& layout = std::get<FieldLayout>(laidOut);
  const QRect area = fieldArea(layout, plan.style.gridLines);
  if (area.width() > GifAnimation::maxSide || area.height() > GifAnimation::maxSide) {
    return "frames of " + sizeText(area) + " are larger than GIF allows (at most " +
           std::to_string(GifAnimation::maxSide) + " in each direction)";
  }
  const int delayMs = std::max(
      shortestFrameMs, plan.delayMs.value_or(
                           static_cast<int>(session.settings.gadgetValue(GadgetId::IntervalSpin))));
  const auto gif = GifAnimation::create(area.width(), area.height(), output);
  bool encoded = gif != nullptr;
  // Frame 0 is the field as loaded.
  const GenerationObserver frame = [&](long long generation, const BitField& field) {
    field.writeStates(session.field.cells);
    encoded = encoded &&
              gif->addFrame(drawField(session.field.cells, layout, plan.style, false), delayMs);
    progress.update(generation);
    return encoded;
  };
  runHeadless(session.field, fieldStepSettings(session.settings), plan.generations, false, frame,
              stop);
  if (stop.requested()) {
    return std::nullopt;  // stopped: the caller knows
  }
  if (!encoded || !gif->finish()) {
    return pictureSaveFailedMessage().text;
  }
  return std::nullopt;
}

}  // namespace orvalis::cli
