#pragma once

#include <string>
#include <string_view>

namespace orvalis {

// The text content of a LifeXML Comment element made from the comment
// editor's text: each non-empty line, its leading blanks removed and inner
// runs of blanks shortened to one, on a line of its own indented by four
// spaces; then a line break and two spaces, so that the end tag stands
// indented on its own line. Line breaks are CR LF.
std::string commentContent(std::string_view comment);

// The comment editor's text made from a Comment element's text as read,
// without the indentation the writer puts there: the line break at its start
// and the first line's four spaces, a blank at its end, and every run of four
// spaces. A comment written by the program thus reads back as its lines, each
// followed by a line break, and one space, whatever line breaks the file has
// been given since.
std::string commentFromContent(std::string_view content);

}  // namespace orvalis
