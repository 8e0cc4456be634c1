// The kit's console output: debug lines on standard error.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zephro {

// Longer texts (a page may post megabytes) are cut to about this many bytes.
inline constexpr std::size_t kDebugLineTextLimit = 2048;

// `text` quoted as zephro/json/quoted_text.h does, so that one call is always
// one line; past kDebugLineTextLimit bytes only its beginning, followed by
// "… (N bytes)" with the whole text's size, inside the quotes.
std::string debugLineText(std::string_view text);
// Writes debugLineText(text) and a line break to standard error in one piece.
void writeDebugLine(std::string_view text);

}  // namespace zephro
