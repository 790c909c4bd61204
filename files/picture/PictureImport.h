#pragma once

#include <string_view>

#include "files/PatternDocument.h"
#include "files/picture/RgbPicture.h"

namespace orvalis {

// The cells of a picture already fitted to `size`: a pixel whose brightness
// (R + G + B) / 3 exceeds the threshold makes a living cell, the others dead
// ones; `invert` swaps the two. They cover the visible field; cells outside
// it stay as they are.
PatternCells pictureCells(const RgbPicture& fitted, FieldSize size, int threshold, bool invert);

// The document of a picture file's bytes, fitted to the shown field with
// the context's threshold and inversion; the field size stays. Neither
// document nor message for content that is no picture the program can read.
DocumentReading pictureDocument(std::string_view bytes, const ReadingContext& context);

}  // namespace orvalis
