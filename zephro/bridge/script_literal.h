// Writing texts into scripts the kit hands to pages, so that the page sees
// exactly the text and no text can end its literal and run as code.
#pragma once

#include <string>
#include <string_view>

namespace zephro {

// `text` as a script string literal between `quote` characters (" or '):
// the quote, backslashes and control characters are escaped, U+2028 and
// U+2029 written as escapes, a "<" before "/" or "!" written as \x3C (so
// "</script>" cannot close an enclosing element), and bytes that are not
// UTF-8 replaced by U+FFFD. Plain texts come out unchanged between the quotes.
std::string scriptStringLiteral(std::string_view text, char quote = '"');

// JSON text made safe to stand as a script expression: the same value, with
// "<" before "/" or "!", U+2028 and U+2029 (all only possible inside its
// strings) written as escapes.
std::string scriptSafeJSON(std::string_view json);

}  // namespace zephro
