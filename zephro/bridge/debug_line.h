// The kit's console output: debug lines on standard error.
#pragma once

#include <string>
#include <string_view>

namespace zephro {

// `text` in double quotes with quotes and backslashes escaped, and control
// characters too, so that one call is always one line.
std::string debugLineText(std::string_view text);
// Writes debugLineText(text) and a line break to standard error in one piece.
void writeDebugLine(std::string_view text);

}  // namespace zephro
