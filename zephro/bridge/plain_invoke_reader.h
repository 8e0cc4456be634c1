// A bridge call read straight from the parser's events, without a tree, for
// the kinds pages write: scope and method as text, invokeId as an Int, params
// as an object, each possibly null or missing. Absent for anything else (or
// text that is not JSON): decoding the tree decides those, errors included.
// What it reads is what decoding the tree gives.
#pragma once

#include <optional>
#include <string_view>

#include "zephro/bridge/web_view_invoke.h"

namespace zephro {

std::optional<WebViewInvoke> readPlainInvoke(std::string_view text);

}  // namespace zephro
