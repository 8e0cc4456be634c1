// UTF-8 checks and JSON string escaping.
#pragma once

#include <string>
#include <string_view>

namespace zephro::platform::foundation {

// True when `text` is well-formed UTF-8 (no overlong forms, no surrogates,
// nothing above U+10FFFF).
bool isValidUtf8(std::string_view text);
// Appends `text` with quotes, backslashes and control characters escaped as a
// JSON string's contents (without the enclosing quotes).
void appendJsonEscaped(std::string& out, std::string_view text);

}  // namespace zephro::platform::foundation
