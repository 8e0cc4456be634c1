// JSON text of socket messages, read into a tree and written back the way the
// platform's JSON serialisation does (zephro/platform/foundation), without
// its detour through std::any: socket messages are on a hot path.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace zephro {

// Absent when `text` is not one valid JSON value or nests deeper than the
// platform serialisation accepts.
std::optional<nlohmann::json> parseJSONTree(std::string_view text);

// Compact text: object members in key order, integers in decimal, other
// numbers in their shortest form. Absent when a number is not finite.
// `tree` must nest no deeper than parseJSONTree allows.
std::optional<std::string> compactJSONText(const nlohmann::json& tree);

}  // namespace zephro
