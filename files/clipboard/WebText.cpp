#include "files/clipboard/WebText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <optional>
#include <utility>

#include "files/io/TextLines.h"
#include "settings/Text.h"

namespace orvalis {
namespace {

constexpr std::string_view nonBreakingSpace = "\xC2\xA0";

// "br" of "<br/>", "/pre" of "</pre class=x>".
std::string tagName(std::string_view tag) {
  std::size_t end = tag.starts_with('/') ? 1 : 0;
  while (end < tag.size() && std::isalnum(static_cast<unsigned char>(tag[end]))) {
    ++end;
  }
  return lowerCase(tag.substr(0, end));
}

bool endsLine(std::string_view tag) {
  static constexpr std::array<std::string_view, 6> lineEnds{"br",   "/p",  "/div",
                                                            "/pre", "/tr", "/li"};
  return std::ranges::find(lineEnds, tagName(tag)) != lineEnds.end();
}

std::string withoutTags(std::string_view text) {
  std::string plain;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t open = text.find('<', at);
    const std::size_t close = open == std::string_view::npos ? open : text.find('>', open);
    if (close == std::string_view::npos) {
      plain += text.substr(at);
      break;
    }
    plain += text.substr(at, open - at);
    if (endsLine(text.substr(open + 1, close - open - 1))) {
      plain += '\n';
    }
    at = close + 1;
  }
  return plain;
}

std::string utf8Of(char32_t code) {
  std::string bytes;
  if (code < 0x80) {
    bytes += static_cast<char>(code);
  } else if (code < 0x800) {
    bytes += static_cast<char>(0xC0 | (code >> 6));
    bytes += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    bytes += static_cast<char>(0xE0 | (code >> 12));
    bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    bytes += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    bytes += static_cast<char>(0xF0 | (code >> 18));
    bytes += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    bytes += static_cast<char>(0x80 | (code & 0x3F));
  }
  return bytes;
}

// "#65" and "#x41": a character that UTF-8 can hold.
std::optional<std::string> numericEntity(std::string_view name) {
  const bool hex = name.starts_with("#x") || name.starts_with("#X");
  const std::string_view digits = name.substr(hex ? 2 : 1);
  unsigned long code = 0;
  const auto [end, error] =
      std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() || code == 0 ||
      code > 0x10FFFF || surrogate) {
    return std::nullopt;
  }
  return utf8Of(static_cast<char32_t>(code));
}

std::optional<std::string> entity(std::string_view name) {
  static constexpr std::array<std::pair<std::string_view, std::string_view>, 6> named{{
      {"lt", "<"},
      {"gt", ">"},
      {"amp", "&"},
      {"quot", "\""},
      {"apos", "'"},
      {"nbsp", nonBreakingSpace},
  }};
  if (name.starts_with('#')) {
    return numericEntity(name);
  }
  const auto found =
      std::ranges::find(named, name, &std::pair<std::string_view, std::string_view>::first);
  return found == named.end() ? std::nullopt : std::optional<std::string>(found->second);
}

std::string withEntitiesDecoded(std::string_view text) {
  constexpr std::size_t longestEntity = 10;  // "&#x10FFFF;"
  std::string plain;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t amp = text.find('&', at);
    plain += text.substr(at, amp - at);
    if (amp == std::string_view::npos) {
      break;
    }
    const std::size_t semicolon = text.substr(amp, longestEntity).find(';');
    const auto decoded = semicolon == std::string_view::npos
                             ? std::nullopt
                             : entity(text.substr(amp + 1, semicolon - 1));
    plain += decoded.value_or("&");
    at = decoded ? amp + semicolon + 1 : amp + 1;
  }
  return plain;
}

std::string_view withoutLeadingBlanks(std::string_view line) {
  while (true) {
    if (line.starts_with(' ') || line.starts_with('\t')) {
      line.remove_prefix(1);
    } else if (line.starts_with(nonBreakingSpace)) {
      line.remove_prefix(nonBreakingSpace.size());
    } else {
      return line;
    }
  }
}

}  // namespace

std::string plainWebText(std::string_view text) {
  const std::string decoded = withEntitiesDecoded(withoutTags(text));
  std::string plain;
  TextLines lines(decoded);
  while (const auto line = lines.next()) {
    plain += withoutLeadingBlanks(*line);
    plain += '\n';
  }
  return plain;
}

}  // namespace orvalis
