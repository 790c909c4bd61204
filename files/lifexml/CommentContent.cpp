#include "files/lifexml/CommentContent.h"

#include <vector>

namespace orvalis {
namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}

// Lines split at CR LF, a lone LF or a lone CR.
std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' || text[i] == '\n') {
      lines.push_back(text.substr(start, i - start));
      if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
        ++i;
      }
      start = i + 1;
    }
  }
  lines.push_back(text.substr(start));
  return lines;
}

// Leading blanks removed, every later run of blanks replaced by its first
// character.
std::string tidiedLine(std::string_view line) {
  std::string tidied;
  bool afterBlank = true;  // blanks at the start are dropped altogether
  for (const char c : line) {
    if (!isBlank(c)) {
      tidied += c;
      afterBlank = false;
    } else if (!afterBlank) {
      tidied += c;
      afterBlank = true;
    }
  }
  return tidied;
}

}  // namespace

std::string commentContent(std::string_view comment) {
  std::string content;
  for (const std::string_view line : splitLines(comment)) {
    const std::string tidied = tidiedLine(line);
    if (!tidied.empty()) {
      content += "\r\n    ";
      content += tidied;
    }
  }
  content += "\r\n  ";
  return content;
}

std::string commentFromContent(std::string_view content) {
  std::string_view kept = content;
  if (kept.starts_with("\r\n")) {
    kept.remove_prefix(2);
  } else if (kept.starts_with('\n') || kept.starts_with('\r')) {
    kept.remove_prefix(1);
  }
  for (int blank = 0; blank < 4 && kept.starts_with(' '); ++blank) {
    kept.remove_prefix(1);
  }
  if (!kept.empty() && isBlank(kept.back())) {
    kept.remove_suffix(1);
  }
  std::string comment;
  comment.reserve(kept.size());
  for (std::size_t i = 0; i < kept.size();) {
    if (kept.substr(i, 4) == "    ") {
      i += 4;
    } else {
      comment += kept[i++];
    }
  }
  return comment;
}

}  // namespace orvalis
