#include "zephro/platform/ui/text_metrics.h"

#include <cstdint>

namespace zephro::platform::ui {

namespace {
constexpr double narrowAdvance = 0.55;
constexpr double lineHeight = 1.2;
constexpr char32_t firstWideCodePoint = 0x2E80;  // CJK radicals onwards

bool startsCodePoint(unsigned char byte) { return (byte & 0xC0) != 0x80; }

// Decodes the code point starting at `index`; malformed bytes count as narrow.
char32_t codePointAt(std::string_view text, std::size_t index) {
  const auto lead = static_cast<unsigned char>(text[index]);
  int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
  if (index + static_cast<std::size_t>(length) > text.size()) return lead;
  char32_t value = length == 1 ? lead : lead & (0x3F >> (length - 1));
  for (int offset = 1; offset < length; ++offset) {
    value = (value << 6) | (static_cast<unsigned char>(text[index + static_cast<std::size_t>(offset)]) & 0x3F);
  }
  return value;
}
}  // namespace

Size estimateTextSize(std::string_view utf8, double fontSize) {
  if (utf8.empty()) return {0, 0};
  double ems = 0;
  for (std::size_t index = 0; index < utf8.size(); ++index) {
    if (!startsCodePoint(static_cast<unsigned char>(utf8[index]))) continue;
    ems += codePointAt(utf8, index) >= firstWideCodePoint ? 1.0 : narrowAdvance;
  }
  return {ems * fontSize, fontSize * lineHeight};
}

}  // namespace zephro::platform::ui
