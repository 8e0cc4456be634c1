// The script that hands one event to a page's event bus.
#pragma once

#include <optional>
#include <string>

namespace zephro {

// window.__eventBus.emit('<name>', '<data>'): both texts written as
// single-quoted script literals, so the page receives exactly them (plain
// texts appear unchanged) and no text can run as code. Absent data is the
// empty text.
std::string eventBusScript(const std::string& name, const std::optional<std::string>& data);

}  // namespace zephro
