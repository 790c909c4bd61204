#include "files/io/Gzip.h"

#include <zlib.h>

#include <algorithm>
#include <array>

namespace orvalis {
namespace {

enum class Inflated { Complete, Broken, Full };

// Inflates gzip members one after the other into `out` until the input ends,
// a member breaks or `out` would pass `maxBytes`.
Inflated inflateInto(std::string_view bytes, std::size_t maxBytes, std::string& out) {
  z_stream stream{};
  // 16 + window bits: a gzip wrapper, no raw or zlib stream.
  if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK) {
    return Inflated::Broken;
  }
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data()));
  stream.avail_in = static_cast<uInt>(bytes.size());
  std::array<char, 64 * 1024> chunk{};
  Inflated result = Inflated::Broken;
  while (true) {
    stream.next_out = reinterpret_cast<Bytef*>(chunk.data());
    stream.avail_out = static_cast<uInt>(chunk.size());
    const int status = inflate(&stream, Z_NO_FLUSH);
    const std::size_t produced = chunk.size() - stream.avail_out;
    if (out.size() + produced > maxBytes) {
      out.append(chunk.data(), maxBytes - out.size());
      result = Inflated::Full;
      break;
    }
    if (out.size() + produced > out.capacity()) {
      // Grown as a string grows, but never past the limit.
      out.reserve(std::min(maxBytes, std::max(2 * out.capacity(), out.size() + produced)));
    }
    out.append(chunk.data(), produced);
    if (status == Z_STREAM_END) {
      const std::string_view rest(reinterpret_cast<const char*>(stream.next_in), stream.avail_in);
      // Bytes after the last member that start no other one are ignored,
      // as gunzip does.
      if (!isGzip(rest) || inflateReset(&stream) != Z_OK) {
        result = Inflated::Complete;
        break;
      }
      continue;
    }
    if (status != Z_OK) {
      break;  // broken data, or the input ended inside a member
    }
  }
  inflateEnd(&stream);
  return result;
}

}  // namespace

bool isGzip(std::string_view bytes) {
  return bytes.size() >= 2 && bytes[0] == '\x1f' && bytes[1] == '\x8b';
}

std::optional<std::string> gunzip(std::string_view bytes, std::size_t maxBytes) {
  std::string out;
  if (inflateInto(bytes, maxBytes, out) != Inflated::Complete) {
    return std::nullopt;
  }
  return out;
}

std::string gunzipStart(std::string_view bytes, std::size_t maxBytes) {
  std::string out;
  inflateInto(bytes, maxBytes, out);
  return out;
}

}  // namespace orvalis
