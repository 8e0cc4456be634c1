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
// How encoded dates count time since 1970: values are written in
// nanoseconds; the store's first files hold the system clock's own ticks.
enum class DateUnit { nanoseconds, clockTicks };

// Absent when `bytes` is not exactly one encoded value.
std::optional<std::any> decodePlainValue(std::string_view bytes, DateUnit dates = DateUnit::nanoseconds);

}  // namespace zephro::platform::foundation
