#pragma once

#include <optional>
#include <string_view>

namespace orvalis {

// Hands out the lines of a text one by one, without their line end: LF,
// CR LF, or CR alone as old Mac files have it, mixed as they come.
class TextLines {
 public:
  explicit TextLines(std::string_view text) : rest_(text) {}

  std::optional<std::string_view> next() {
    if (rest_.empty()) {
      return std::nullopt;
    }
    const std::size_t end = rest_.find_first_of("\r\n");
    const std::string_view line = rest_.substr(0, end);
    std::size_t after = end == std::string_view::npos ? rest_.size() : end + 1;
    if (end != std::string_view::npos && rest_[end] == '\r' && after < rest_.size() &&
        rest_[after] == '\n') {
      ++after;
    }
    rest_.remove_prefix(after);
    return line;
  }

  // What follows the lines handed out so far.
  std::string_view rest() const { return rest_; }

 private:
  std::string_view rest_;
};

// The text without blanks (spaces, tabs, CR) at either end.
inline std::string_view trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace orvalis
