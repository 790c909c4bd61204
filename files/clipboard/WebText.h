#pragma once

#include <string>
#include <string_view>

namespace orvalis {

// Text as a web page or forum post hands it over, made plain so that a
// pattern can be found in it: HTML tags left out, those that end a line
// (<br>, </p>, </div>, </pre>, </tr>, </li>) turned into line breaks,
// entities decoded, and the blanks, tabs and non-breaking spaces at the start
// of every line left out. UTF-8, LF line breaks.
std::string plainWebText(std::string_view text);

}  // namespace orvalis
