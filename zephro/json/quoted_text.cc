#include "zephro/json/quoted_text.h"

namespace zephro {

namespace {

void appendEscaped(std::string& out, char c) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  switch (c) {
    case '"': out += "\\\""; return;
    case '\\': out += "\\\\"; return;
    case '\n': out += "\\n"; return;
    case '\r': out += "\\r"; return;
    case '\t': out += "\\t"; return;
    case '\0': out += "\\0"; return;
    default: break;
  }
  auto byte = static_cast<unsigned char>(c);
  if (byte >= 0x20 && byte != 0x7F) {
    out += c;
    return;
  }
  out += "\\u{";
  if (byte >= 0x10) out += kHex[byte >> 4];
  out += kHex[byte & 0xF];
  out += '}';
}

}  // namespace

std::string quotedText(std::string_view text) {
  std::string quoted = "\"";
  quoted.reserve(text.size() + 2);
  for (char c : text) appendEscaped(quoted, c);
  quoted += '"';
  return quoted;
}

}  // namespace zephro
