#include "zephro/platform/foundation/utf8.h"

#include <cstdint>

namespace zephro::platform::foundation {

namespace {

// Length of the sequence a lead byte starts and the range its first
// continuation byte must fall in (RFC 3629, table of well-formed sequences).
struct LeadByte {
  int length;
  std::uint8_t low;
  std::uint8_t high;
};

LeadByte classify(std::uint8_t b) {
  if (b < 0x80) return {1, 0, 0};
  if (b >= 0xC2 && b <= 0xDF) return {2, 0x80, 0xBF};
  if (b == 0xE0) return {3, 0xA0, 0xBF};
  if (b == 0xED) return {3, 0x80, 0x9F};
  if (b >= 0xE1 && b <= 0xEF) return {3, 0x80, 0xBF};
  if (b == 0xF0) return {4, 0x90, 0xBF};
  if (b >= 0xF1 && b <= 0xF3) return {4, 0x80, 0xBF};
  if (b == 0xF4) return {4, 0x80, 0x8F};
  return {0, 0, 0};
}

}  // namespace

bool isValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    auto lead = static_cast<std::uint8_t>(text[i]);
    if (lead < 0x80) {
      ++i;
      continue;
    }
    LeadByte kind = classify(lead);
    if (kind.length == 0 || i + static_cast<std::size_t>(kind.length) > text.size()) return false;
    auto first = static_cast<std::uint8_t>(text[i + 1]);
    if (first < kind.low || first > kind.high) return false;
    for (int k = 2; k < kind.length; ++k) {
      auto next = static_cast<std::uint8_t>(text[i + static_cast<std::size_t>(k)]);
      if (next < 0x80 || next > 0xBF) return false;
    }
    i += static_cast<std::size_t>(kind.length);
  }
  return true;
}

void appendJsonEscaped(std::string& out, std::string_view text) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::size_t plainStart = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    auto c = static_cast<unsigned char>(text[i]);
    if (c >= 0x20 && c != '"' && c != '\\') continue;
    out.append(text, plainStart, i - plainStart);
    plainStart = i + 1;
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      default:
        out += "\\u00";
        out += kHex[c >> 4];
        out += kHex[c & 0xF];
    }
  }
  out.append(text, plainStart, text.size() - plainStart);
}

}  // namespace zephro::platform::foundation
