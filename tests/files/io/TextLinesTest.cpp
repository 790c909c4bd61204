#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/io/TextLines.h"

namespace orvalis {
namespace {

std::vector<std::string> linesOf(std::string_view text) {
  std::vector<std::string> lines;
  TextLines reader(text);
  while (const auto line = reader.next()) {
    lines.emplace_back(*line);
  }
  return lines;
}

TEST(TextLines, SplitsAtEveryKindOfLineEnd) {
  struct Row {
    std::string text;
    std::vector<std::string> lines;
  };
  const Row rows[] = {
      {"a\nb\n", {"a", "b"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\rb\r", {"a", "b"}},
      {"a\r\rb", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},
      {"a\r\n\nb\rc", {"a", "", "b", "c"}},
      {"last without end", {"last without end"}},
      {"", {}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(linesOf(row.text), row.lines) << testing::PrintToString(row.text);
  }
}

}  // namespace
}  // namespace orvalis
