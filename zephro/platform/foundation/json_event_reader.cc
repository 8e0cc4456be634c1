#include "zephro/platform/foundation/json_event_reader.h"

namespace zephro::platform::foundation {

namespace {

constexpr std::size_t kEscapeLength = 6;  // \uXXXX

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The code unit of the \uXXXX escape at `at`, or -1 when there is none.
int escapedUnit(std::string_view text, std::size_t at) {
  if (at + kEscapeLength > text.size() || text[at] != '\\' || text[at + 1] != 'u') return -1;
  int unit = 0;
  for (std::size_t i = at + 2; i < at + kEscapeLength; ++i) {
    int digit = hexDigit(text[i]);
    if (digit < 0) return -1;
    unit = unit * 16 + digit;
  }
  return unit;
}

bool isHighSurrogate(int unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool isLowSurrogate(int unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

// Walks the escapes from backslash to backslash: inside strings each escape
// is consumed whole, and a backslash outside a string leaves the text invalid
// whatever is replaced. The replacement has the escape's length.
std::optional<std::string> withLoneSurrogatesReplaced(std::string_view text) {
  std::optional<std::string> repaired;
  for (std::size_t at = text.find('\\'); at != std::string_view::npos; at = text.find('\\', at)) {
    int unit = escapedUnit(text, at);
    if (unit < 0) {
      at += 2;
      continue;
    }
    if (isHighSurrogate(unit) && isLowSurrogate(escapedUnit(text, at + kEscapeLength))) {
      at += 2 * kEscapeLength;
      continue;
    }
    if (isHighSurrogate(unit) || isLowSurrogate(unit)) {
      if (!repaired) repaired.emplace(text);
      repaired->replace(at + 2, 4, "fffd");
    }
    at += kEscapeLength;
  }
  return repaired;
}

}  // namespace zephro::platform::foundation
