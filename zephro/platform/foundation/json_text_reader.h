// Parsing JSON text into plain values, without recursion.
#pragma once

#include <any>
#include <cstddef>
#include <optional>
#include <string_view>

namespace zephro::platform::foundation {

// Absent when `text` is not one valid JSON value (surrounding white space
// allowed) or nests deeper than `maxDepth`.
std::optional<std::any> readJsonText(std::string_view text, std::size_t maxDepth);

}  // namespace zephro::platform::foundation
