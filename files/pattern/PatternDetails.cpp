#include "files/pattern/PatternDetails.h"

#include <algorithm>

#include "files/io/TextLines.h"
#include "settings/Text.h"

namespace orvalis {
namespace {

bool isWebAddress(std::string_view line) {
  const std::string lower = lowerCase(line);
  return lower.starts_with("http:") || lower.starts_with("https:") || lower.starts_with("www.");
}

std::vector<std::string> withoutBlankEnds(std::vector<std::string> lines) {
  const auto isBlank = [](const std::string& line) { return trimmed(line).empty(); };
  const auto first = std::find_if_not(lines.begin(), lines.end(), isBlank);
  const auto last = std::find_if_not(lines.rbegin(), lines.rend(), isBlank).base();
  return first < last ? std::vector<std::string>(first, last) : std::vector<std::string>();
}

std::string lastWebAddress(const std::vector<std::string>& lines) {
  const auto address = std::find_if(lines.rbegin(), lines.rend(),
                                    [](const std::string& line) { return isWebAddress(line); });
  return address != lines.rend() ? *address : std::string();
}

// The editor's lines, apart by CR LF, LF or CR, each trimmed.
std::vector<std::string> trimmedLines(std::string_view text) {
  std::vector<std::string> lines;
  TextLines split(text);
  while (const auto line = split.next()) {
    lines.emplace_back(trimmed(*line));
  }
  return lines;
}

}  // namespace

std::string singleLine(std::string_view text) {
  std::string line(text);
  std::replace_if(
      line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return line;
}

std::string commentOfLines(const std::string& name, const std::vector<std::string>& commentLines) {
  std::vector<std::string> lines{name};
  lines.insert(lines.end(), commentLines.begin(), commentLines.end());
  std::string comment;
  const char* separator = "";
  for (const std::string& line : withoutBlankEnds(std::move(lines))) {
    comment += separator + line;
    separator = "\r\n";
  }
  return comment;
}

std::string sourceOfComment(std::string_view comment) {
  return lastWebAddress(trimmedLines(comment));
}

DetailLines detailLines(std::string_view comment, std::string_view source) {
  std::vector<std::string> lines = withoutBlankEnds(trimmedLines(comment));
  const std::string sourceLine(trimmed(singleLine(source)));
  if (!sourceLine.empty() && lastWebAddress(lines) != sourceLine) {
    lines.push_back(sourceLine);
  }
  DetailLines details;
  if (!lines.empty()) {
    details.name = lines.front();
    details.commentLines.assign(lines.begin() + 1, lines.end());
  }
  return details;
}

}  // namespace orvalis
