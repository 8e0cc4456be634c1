// Conversion between JSON text and plain values (zephro/platform/foundation/kinds.h).
//
// Reading gives: objects -> PlainMap, arrays -> PlainList, null -> Null,
// true/false -> bool, integers -> std::int64_t (std::uint64_t above its
// range), other numbers -> double, strings -> std::string.
// Writing accepts those kinds plus Number, narrower integers and float, and
// writes compact text with object members in key order. Top-level scalars are
// accepted both ways.
#pragma once

#include <any>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zephro::platform::foundation {

class JSONSerialization {
 public:
  // Nesting deeper than this is refused both ways, so hostile input cannot
  // exhaust the stack.
  static constexpr std::size_t maxDepth = 512;

  // Absent when `text` is not valid JSON (or not valid UTF-8).
  static std::optional<std::any> jsonObject(std::string_view text);
  // Absent when `value` holds something JSON cannot (a Date, Data, a non-finite
  // number, an unknown type, invalid UTF-8), anywhere inside it.
  static std::optional<std::string> data(const std::any& value);
};

}  // namespace zephro::platform::foundation
