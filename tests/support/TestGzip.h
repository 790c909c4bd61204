#pragma once

#include <string>
#include <string_view>

namespace orvalis::test {

// The bytes as gzip writes them, one member.
std::string gzipped(std::string_view bytes);

}  // namespace orvalis::test
