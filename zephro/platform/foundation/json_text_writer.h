// Writing plain values as compact JSON text.
#pragma once

#include <any>
#include <cstddef>
#include <optional>
#include <string>

namespace zephro::platform::foundation {

// Absent when `value` holds, anywhere inside, something JSON cannot: a Date,
// Data, a non-finite number, a string that is not UTF-8, a type that is not a
// plain value, or nesting deeper than `maxDepth`.
std::optional<std::string> writeJsonText(const std::any& value, std::size_t maxDepth);

}  // namespace zephro::platform::foundation
