// The one quoted form of a text for people to read: debug descriptions of
// JSON values and the kit's debug lines.
#pragma once

#include <string>
#include <string_view>

namespace zephro {

// `text` between double quotes, with quotes and backslashes escaped and
// control characters written as \n, \r, \t, \0 or \u{1B} (hex, upper case),
// so that the result is always one line. Other bytes are kept as they are.
std::string quotedText(std::string_view text);

}  // namespace zephro
