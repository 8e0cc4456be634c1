// Values a page in a WebKit view computed, read from a benchmark.
#pragma once

#include <webkit/webkit.h>

#include <optional>
#include <string>

namespace zephro::bench::gtk {

// Evaluates `script` in the page and returns its value as text; absent when
// the script failed or gave no answer in time.
std::optional<std::string> evaluateToString(WebKitWebView* view, const std::string& script);

}  // namespace zephro::bench::gtk
