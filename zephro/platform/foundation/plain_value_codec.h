// A compact binary form of plain values that keeps every kind apart (an
// int64 stays an int64, a Number keeps its type code), for storing them.
#pragma once

#include <any>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zephro::platform::foundation {

inline constexpr std::size_t kMaxPlainValueDepth = 512;

// Absent when `value` holds, anywhere inside, something that is not a plain
// value (see plain_value.h), or nests deeper than kMaxPlainValueDepth.
std::optional<std::string> encodePlainValue(const std::any& value);
// Absent when `bytes` is not exactly one encoded value.
std::optional<std::any> decodePlainValue(std::string_view bytes);

}  // namespace zephro::platform::foundation
