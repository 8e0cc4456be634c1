#include "zephro/h5/page_query.h"

#include <string_view>

namespace zephro {

namespace {

constexpr std::string_view kKeptPunctuation = "-._~!$'()*,;:@/?";

bool keptInQueryComponent(unsigned char byte) {
  if (byte >= 0x80 || byte <= 0x20 || byte == 0x7F) return false;
  if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') || (byte >= '0' && byte <= '9')) return true;
  return kKeptPunctuation.find(static_cast<char>(byte)) != std::string_view::npos;
}

}  // namespace

std::string encodeQueryComponent(std::string_view text) {
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  std::string encoded;
  encoded.reserve(text.size());
  for (char character : text) {
    auto byte = static_cast<unsigned char>(character);
    if (keptInQueryComponent(byte)) {
      encoded += character;
    } else {
      encoded += '%';
      encoded += kHexDigits[byte >> 4];
      encoded += kHexDigits[byte & 0x0F];
    }
  }
  return encoded;
}

std::optional<std::string> pageQueryText(const std::map<std::string, AnyCodable>& params) {
  auto nested = params.find("params");
  if (nested == params.end()) return std::nullopt;
  const PlainMap* entries = nested->second.as<PlainMap>();
  if (!entries || entries->empty()) return std::nullopt;
  std::string query;
  for (const auto& [key, value] : *entries) {
    query += query.empty() ? '?' : '&';
    query += encodeQueryComponent(key);
    query += '=';
    query += encodeQueryComponent(AnyCodable(value).description());
  }
  return query;
}

}  // namespace zephro
