#include "zephro/bridge/debug_line.h"

#include <cstdio>

#include "zephro/json/quoted_text.h"

namespace zephro {

namespace {

// Where `text` may be cut at or before `limit` without splitting a UTF-8
// sequence (continuation bytes are 10xxxxxx).
std::size_t characterBoundary(std::string_view text, std::size_t limit) {
  std::size_t cut = limit;
  while (cut > 0 && limit - cut < 3 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return cut;
}

}  // namespace

std::string debugLineText(std::string_view text) {
  if (text.size() <= kDebugLineTextLimit) return quotedText(text);
  std::string line = quotedText(text.substr(0, characterBoundary(text, kDebugLineTextLimit)));
  line.insert(line.size() - 1, "\xE2\x80\xA6 (" + std::to_string(text.size()) + " bytes)");
  return line;
}

void writeDebugLine(std::string_view text) {
  std::string line = debugLineText(text) + '\n';
  std::fwrite(line.data(), 1, line.size(), stderr);
}

}  // namespace zephro
