#include "zephro/bridge/script_literal.h"

#include <cstddef>

#include "zephro/platform/foundation/utf8.h"

namespace zephro {

namespace {

constexpr std::string_view kLineSeparator = "\xE2\x80\xA8";
constexpr std::string_view kParagraphSeparator = "\xE2\x80\xA9";

// Bytes of the well-formed UTF-8 sequence that starts at `at`; 0 when none.
std::size_t utf8SequenceLength(std::string_view text, std::size_t at) {
  auto lead = static_cast<unsigned char>(text[at]);
  std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (length == 0 || at + length > text.size()) return 0;
  return platform::foundation::isValidUtf8(text.substr(at, length)) ? length : 0;
}

void appendControl(std::string& out, unsigned char c) {
  static constexpr char kHex[] = "0123456789abcdef";
  switch (c) {
    case '\n': out += "\\n"; return;
    case '\r': out += "\\r"; return;
    case '\t': out += "\\t"; return;
    case '\b': out += "\\b"; return;
    case '\f': out += "\\f"; return;
    default:
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 0xf];
  }
}

bool opensMarkup(std::string_view text, std::size_t at) {
  return at + 1 < text.size() && (text[at + 1] == '/' || text[at + 1] == '!');
}

// Appends the character at `at` as literal content; returns the bytes used.
std::size_t appendLiteralCharacter(std::string& out, std::string_view text, std::size_t at, char quote) {
  auto c = static_cast<unsigned char>(text[at]);
  if (c < 0x80) {
    if (c == static_cast<unsigned char>(quote) || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c == 0x7f) {
      appendControl(out, c);
    } else if (c == '<' && opensMarkup(text, at)) {
      out += "\\x3C";
    } else {
      out += static_cast<char>(c);
    }
    return 1;
  }
  std::size_t length = utf8SequenceLength(text, at);
  if (length == 0) {
    out += "\\uFFFD";
    return 1;
  }
  std::string_view sequence = text.substr(at, length);
  if (sequence == kLineSeparator) {
    out += "\\u2028";
  } else if (sequence == kParagraphSeparator) {
    out += "\\u2029";
  } else {
    out += sequence;
  }
  return length;
}

}  // namespace

std::string scriptStringLiteral(std::string_view text, char quote) {
  std::string literal;
  literal.reserve(text.size() + 2);
  literal += quote;
  for (std::size_t at = 0; at < text.size();) at += appendLiteralCharacter(literal, text, at, quote);
  literal += quote;
  return literal;
}

std::string scriptSafeJSON(std::string_view json) {
  std::string safe;
  safe.reserve(json.size());
  for (std::size_t at = 0; at < json.size(); ++at) {
    if (json[at] == '<' && opensMarkup(json, at)) {
      safe += "\\u003C";
    } else if (json.substr(at, 3) == kLineSeparator) {
      safe += "\\u2028";
      at += 2;
    } else if (json.substr(at, 3) == kParagraphSeparator) {
      safe += "\\u2029";
      at += 2;
    } else {
      safe += json[at];
    }
  }
  return safe;
}

}  // namespace zephro
