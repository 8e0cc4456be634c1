// Percent-encoding of URL components.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zephro::platform::foundation {

// Encodes every byte of `text` except unreserved characters, sub-delimiters,
// ':' and '@' (what a path segment may hold as is) and the characters in
// `alsoKeep`.
std::string percentEncodePathSegment(std::string_view text, std::string_view alsoKeep = {});
// Decodes "%XX" escapes; absent for a malformed escape.
std::optional<std::string> percentDecode(std::string_view text);

}  // namespace zephro::platform::foundation
