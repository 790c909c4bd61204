#pragma once

#include <memory>

#include "engine/CellGrid.h"
#include "files/picture/RgbPicture.h"

namespace orvalis {

// The picture stretched or squeezed to exactly the field's size, each
// direction on its own: a target pixel takes the rounded average colour of
// the source pixels that fall into it, and when enlarging it repeats the one
// source pixel it falls on. A picture of that size already comes back as it
// is.
std::unique_ptr<RgbPicture> fittedPicture(std::unique_ptr<RgbPicture> picture, FieldSize size);

}  // namespace orvalis
