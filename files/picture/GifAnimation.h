#pragma once

#include <QImage>
#include <functional>
#include <memory>
#include <string_view>

struct GifFileType;

namespace orvalis {

// An animated GIF that repeats forever, encoded one frame at a time and
// handed on as it is made, so that its memory does not grow with the
// frames. Every frame after the first stores only the rectangle in which it
// differs from the one before, drawn over that frame, which stays in place;
// every frame carries a colour table of just the colours it uses. (Making
// the unchanged pixels inside the rectangle transparent made the files of
// running fields larger, not smaller.)
class GifAnimation {
 public:
  // GIF stores a picture's width and height in 16 bits.
  static constexpr int maxSide = 65535;

  // Takes the file's bytes in order; false when they cannot be kept.
  using Output = std::function<bool(std::string_view bytes)>;

  // Frames of `width` x `height` pixels, the file going to `output`;
  // nothing when a side is outside 1..maxSide or the start cannot be
  // written.
  static std::unique_ptr<GifAnimation> create(int width, int height, Output output);
  ~GifAnimation();
  GifAnimation(const GifAnimation&) = delete;
  GifAnimation& operator=(const GifAnimation&) = delete;

  // Appends a frame of the animation's size (Format_RGB32), shown for
  // `delayMs` milliseconds, rounded to the hundredths GIF counts in. False,
  // and nothing more can be added, when the frame has another size or more
  // than 256 colours or the encoder fails.
  bool addFrame(const QImage& frame, int delayMs);

  // Ends the file; false when any part of it could not be made or written.
  bool finish();

 private:
  GifAnimation(GifFileType* gif, std::unique_ptr<Output> output, int width, int height);
  bool close();

  GifFileType* gif_;
  std::unique_ptr<Output> output_;  // where the encoder writes, kept at one address
  int width_;
  int height_;
  QImage previous_;
  bool failed_ = false;
};

}  // namespace orvalis
