#pragma once

#include <any>
#include <functional>
#include <optional>

#include "zephro/platform/web/web_error.h"

namespace zephro::platform::web {

// Receives the value a script evaluated to (as a plain kind of
// zephro/platform/foundation/kinds.h; empty for undefined) or the error that stopped it.
using JavaScriptCompletion = std::function<void(std::any result, std::optional<WebError> error)>;

}  // namespace zephro::platform::web
