#include "files/picture/GifAnimation.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <vector>

namespace orvalis {
namespace {

// Fewer bytes than given tell the encoder that the write failed.
int passOnBytes(GifFileType* gif, const GifByteType* data, int length) {
  const auto& output = *static_cast<GifAnimation::Output*>(gif->UserData);
  return output({reinterpret_cast<const char*>(data), static_cast<std::size_t>(length)}) ? length
                                                                                         : 0;
}

struct Area {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

bool sameRow(const QImage& a, const QImage& b, int y) {
  return std::equal(reinterpret_cast<const QRgb*>(a.constScanLine(y)),
                    reinterpret_cast<const QRgb*>(a.constScanLine(y)) + a.width(),
                    reinterpret_cast<const QRgb*>(b.constScanLine(y)));
}

// The smallest rectangle that holds every pixel in which the frames
// differ; one pixel when they are equal, since a frame needs a picture.
Area changedArea(const QImage& before, const QImage& after) {
  int top = 0;
  while (top < after.height() && sameRow(before, after, top)) {
    ++top;
  }
  if (top == after.height()) {
    return {0, 0, 1, 1};
  }
  int bottom = after.height() - 1;
  while (sameRow(before, after, bottom)) {
    --bottom;
  }
  int left = after.width();
  int right = -1;
  for (int y = top; y <= bottom; ++y) {
    const auto* old = reinterpret_cast<const QRgb*>(before.constScanLine(y));
    const auto* now = reinterpret_cast<const QRgb*>(after.constScanLine(y));
    int x = 0;
    while (x < left && old[x] == now[x]) {
      ++x;
    }
    left = std::min(left, x);
    x = after.width() - 1;
    while (x > right && old[x] == now[x]) {
      --x;
    }
    right = std::max(right, x);
  }
  return {left, top, right - left + 1, bottom - top + 1};
}

// One stored rectangle as colour indices with its colour table.
class IndexedArea {
 public:
  bool build(const QImage& frame, const Area& area) {
    indices_.resize(static_cast<std::size_t>(area.width) * area.height);
    GifPixelType* index = indices_.data();
    for (int y = area.top; y < area.top + area.height; ++y) {
      const auto* row = reinterpret_cast<const QRgb*>(frame.constScanLine(y));
      for (int x = area.left; x < area.left + area.width; ++x) {
        const int found = indexOf(row[x]);
        if (found < 0) {
          return false;
        }
        *index++ = static_cast<GifPixelType>(found);
      }
    }
    return true;
  }

  // A table of at least two entries and a power of two, as GIF needs.
  ColorMapObject* colourTable() const {
    int size = 2;
    while (size < colourCount_) {
      size *= 2;
    }
    ColorMapObject* table = GifMakeMapObject(size, nullptr);
    if (table) {
      for (int i = 0; i < colourCount_; ++i) {
        table->Colors[i] = {static_cast<GifByteType>(qRed(colours_[i])),
                            static_cast<GifByteType>(qGreen(colours_[i])),
                            static_cast<GifByteType>(qBlue(colours_[i]))};
      }
    }
    return table;
  }

  // Hands the indices to the encoder row by row.
  bool put(GifFileType* gif, int width) {
    for (std::size_t row = 0; row < indices_.size(); row += width) {
      if (EGifPutLine(gif, &indices_[row], width) != GIF_OK) {
        return false;
      }
    }
    return true;
  }

 private:
  // The colour's index, added to the table when new; -1 when it is full.
  int indexOf(QRgb colour) {
    for (int i = 0; i < colourCount_; ++i) {
      if (colours_[i] == colour) {
        return i;
      }
    }
    if (colourCount_ == static_cast<int>(colours_.size())) {
      return -1;
    }
    colours_[colourCount_] = colour;
    return colourCount_++;
  }

  std::vector<GifPixelType> indices_;
  std::array<QRgb, 256> colours_{};
  int colourCount_ = 0;
};

// The application extension that makes viewers repeat the animation
// forever (a loop count of 0).
bool putEndlessLoop(GifFileType* gif) {
  static constexpr GifByteType name[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
  GifByteType loop[] = {1, 0, 0};
  return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
         EGifPutExtensionBlock(gif, sizeof name, name) == GIF_OK &&
         EGifPutExtensionBlock(gif, sizeof loop, loop) == GIF_OK &&
         EGifPutExtensionTrailer(gif) == GIF_OK;
}

// Each frame stays in place beneath the next, which stores only what
// changed.
bool putFrameTiming(GifFileType* gif, int delayMs) {
  GraphicsControlBlock control{};
  control.DisposalMode = DISPOSE_DO_NOT;
  control.UserInputFlag = false;
  control.DelayTime = std::clamp((delayMs + 5) / 10, 0, 65535);
  control.TransparentColor = NO_TRANSPARENT_COLOR;
  GifByteType block[4];
  const auto length = static_cast<int>(EGifGCBToExtension(&control, block));
  return EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, length, block) == GIF_OK;
}

}  // namespace

std::unique_ptr<GifAnimation> GifAnimation::create(int width, int height, Output output) {
  if (width < 1 || height < 1 || width > maxSide || height > maxSide) {
    return nullptr;
  }
  auto kept = std::make_unique<Output>(std::move(output));
  int error = 0;
  GifFileType* gif = EGifOpen(kept.get(), passOnBytes, &error);
  if (!gif) {
    return nullptr;
  }
  std::unique_ptr<GifAnimation> animation(new GifAnimation(gif, std::move(kept), width, height));
  EGifSetGifVersion(gif, true);
  if (EGifPutScreenDesc(gif, width, height, 8, 0, nullptr) != GIF_OK || !putEndlessLoop(gif)) {
    return nullptr;
  }
  return animation;
}

GifAnimation::GifAnimation(GifFileType* gif, std::unique_ptr<Output> output, int width, int height)
    : gif_(gif), output_(std::move(output)), width_(width), height_(height) {}

GifAnimation::~GifAnimation() {
  close();
}

bool GifAnimation::addFrame(const QImage& frame, int delayMs) {
  if (failed_ || !gif_ || frame.size() != QSize(width_, height_) ||
      frame.format() != QImage::Format_RGB32) {
    failed_ = true;
    return false;
  }
  const bool first = previous_.isNull();
  const Area area = first ? Area{0, 0, width_, height_} : changedArea(previous_, frame);
  IndexedArea stored;
  ColorMapObject* table = nullptr;
  failed_ = !stored.build(frame, area) || !(table = stored.colourTable()) ||
            !putFrameTiming(gif_, delayMs) ||
            EGifPutImageDesc(gif_, area.left, area.top, area.width, area.height, false, table) !=
                GIF_OK ||
            !stored.put(gif_, area.width);
  GifFreeMapObject(table);
  previous_ = frame;
  return !failed_;
}

bool GifAnimation::finish() {
  return close() && !failed_;
}

bool GifAnimation::close() {
  if (!gif_) {
    return false;
  }
  int error = 0;
  const bool closed = EGifCloseFile(gif_, &error) == GIF_OK;
  gif_ = nullptr;
  return closed;
}

}  // namespace orvalis
