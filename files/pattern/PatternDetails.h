#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvalis {

// How the comment and source of the program map to the lines of the Life
// community's formats, which know a name and comment lines but no source.
// The comment's first line is the name, its other lines the comment lines;
// the source is the last of these lines that is a web address. Each
// direction keeps what the other gives, so that a file read, written and
// read again says the same however often that is repeated. Texts in the
// program's ISO-8859-1.

// The text with blanks for its line breaks: what a one-line field may hold
// from elsewhere must not end the line it is written in.
std::string singleLine(std::string_view text);

// A read pattern's name and comment lines as the program's comment: blank
// lines at its start and end left out, CR LF between the others.
std::string commentOfLines(const std::string& name, const std::vector<std::string>& commentLines);

// The last line of a comment that is a web address, or the empty text.
std::string sourceOfComment(std::string_view comment);

struct DetailLines {
  std::string name;
  std::vector<std::string> commentLines;
};

// The lines to write for a comment and source: the comment's lines trimmed,
// blank ones at its start and end left out, then the source unless it is
// the last web address among them already.
DetailLines detailLines(std::string_view comment, std::string_view source);

}  // namespace orvalis
