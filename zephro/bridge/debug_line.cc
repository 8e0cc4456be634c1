#include "zephro/bridge/debug_line.h"

#include <cstdio>

namespace zephro {

namespace {

void appendEscaped(std::string& out, char c) {
  static constexpr char kHex[] = "0123456789abcdef";
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
  if (byte >= 0x20 && byte != 0x7f) {
    out += c;
    return;
  }
  out += "\\u{";
  if (byte >= 0x10) out += kHex[byte >> 4];
  out += kHex[byte & 0xf];
  out += '}';
}

}  // namespace

std::string debugLineText(std::string_view text) {
  std::string line = "\"";
  line.reserve(text.size() + 2);
  for (char c : text) appendEscaped(line, c);
  line += '"';
  return line;
}

void writeDebugLine(std::string_view text) {
  std::string line = debugLineText(text) + '\n';
  std::fwrite(line.data(), 1, line.size(), stderr);
}

}  // namespace zephro
