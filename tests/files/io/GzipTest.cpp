// gzip compressed pattern files read as their content, within a limit.
#include <gtest/gtest.h>

#include "files/io/Gzip.h"
#include "files/io/PatternFileBytes.h"
#include "files/io/RegularFile.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestGzip.h"

namespace orvalis {
namespace {

TEST(Gzip, InflatesWholeFilesWithinTheLimit) {
  const std::string rle = "x = 3, y = 1\n3o!\n";
  const std::string packed = test::gzipped(rle);
  struct Case {
    const char* name;
    std::string bytes;
    std::size_t limit;
    std::optional<std::string> content;
  };
  const Case cases[] = {
      {"one member", packed, 100, rle},
      {"two members join", packed + test::gzipped("#C mehr\n"), 100, rle + "#C mehr\n"},
      {"trailing bytes ignored", packed + "\n\0\0", 100, rle},
      {"exactly the limit", packed, rle.size(), rle},
      {"beyond the limit", packed, rle.size() - 1, std::nullopt},
      {"cut short", packed.substr(0, packed.size() - 5), 100, std::nullopt},
      {"broken", packed.substr(0, 10) + std::string(20, 'x'), 100, std::nullopt},
      {"magic only", "\x1f\x8b", 100, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(gunzip(c.bytes, c.limit), c.content);
  }
  EXPECT_EQ(gunzipStart(packed.substr(0, packed.size() - 5), 5), rle.substr(0, 5));
}

// A few kilobytes may not fill the memory: what would inflate beyond a
// pattern file's limit is refused, what a plain file may hold is read.
TEST(Gzip, PatternFilesReadAsTheirContent) {
  const test::TempFolder folder;
  struct Case {
    const char* name;
    std::string bytes;
    std::optional<std::size_t> read;
  };
  const Case cases[] = {
      {"plain.rle", "3o!", 3},
      {"packed.rle.gz", test::gzipped("3o!"), 3},
      {"full.gz", test::gzipped(std::string(maxPatternFileBytes, '\n')), maxPatternFileBytes},
      {"bomb.gz", test::gzipped(std::string(maxPatternFileBytes + 1, '\n')), std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto content = readPatternFileBytes(folder.write(c.name, c.bytes));
    EXPECT_EQ(content ? std::optional(content->size()) : std::nullopt, c.read);
  }
}

}  // namespace
}  // namespace orvalis
