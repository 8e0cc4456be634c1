#include "zephro/json/base64.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace zephro {

namespace {

constexpr std::string_view alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::uint8_t invalid = 0xFF;

constexpr std::array<std::uint8_t, 256> makeDecodingTable() {
  std::array<std::uint8_t, 256> table{};
  table.fill(invalid);
  for (std::size_t i = 0; i < alphabet.size(); ++i)
    table[static_cast<unsigned char>(alphabet[i])] = static_cast<std::uint8_t>(i);
  return table;
}

constexpr std::array<std::uint8_t, 256> decodingTable = makeDecodingTable();

}  // namespace

std::string base64Encode(const Data& bytes) {
  std::string text;
  text.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    std::size_t available = std::min<std::size_t>(3, bytes.size() - i);
    std::uint32_t group = std::uint32_t{bytes[i]} << 16;
    if (available > 1) group |= std::uint32_t{bytes[i + 1]} << 8;
    if (available > 2) group |= bytes[i + 2];
    for (std::size_t k = 0; k < 4; ++k) {
      text += k <= available ? alphabet[(group >> (18 - 6 * k)) & 0x3F] : '=';
    }
  }
  return text;
}

std::optional<Data> base64Decode(std::string_view text) {
  if (text.size() % 4 != 0) return std::nullopt;
  std::size_t padding = 0;
  while (padding < 2 && padding < text.size() && text[text.size() - 1 - padding] == '=') ++padding;
  Data bytes;
  bytes.reserve(text.size() / 4 * 3);
  std::uint32_t group = 0;
  std::size_t digits = text.size() - padding;
  for (std::size_t i = 0; i < digits; ++i) {
    std::uint8_t value = decodingTable[static_cast<unsigned char>(text[i])];
    if (value == invalid) return std::nullopt;
    group = (group << 6) | value;
    if (i % 4 == 3) {
      bytes.push_back(static_cast<std::uint8_t>(group >> 16));
      bytes.push_back(static_cast<std::uint8_t>(group >> 8));
      bytes.push_back(static_cast<std::uint8_t>(group));
      group = 0;
    }
  }
  // The last group: two digits give one byte, three give two; the bits below
  // them must be zero, so each byte string has one encoding only.
  std::size_t tail = digits % 4;
  if (tail == 1) return std::nullopt;
  if (tail == 2) {
    if (group & 0x0F) return std::nullopt;
    bytes.push_back(static_cast<std::uint8_t>(group >> 4));
  } else if (tail == 3) {
    if (group & 0x03) return std::nullopt;
    bytes.push_back(static_cast<std::uint8_t>(group >> 10));
    bytes.push_back(static_cast<std::uint8_t>(group >> 2));
  }
  return bytes;
}

}  // namespace zephro
