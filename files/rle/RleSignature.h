#pragma once

#include <string_view>

namespace orvalis {

// Whether a text begins as an RLE file: after "#" lines and empty lines a
// header "x = <digits>, y = <digits>", in any case and spacing.
bool looksLikeRle(std::string_view start);

}  // namespace orvalis
