#include "zephro/h5/event_bus_script.h"

#include "zephro/bridge/script_literal.h"

namespace zephro {

std::string eventBusScript(const std::string& name, const std::optional<std::string>& data) {
  return "window.__eventBus.emit(" + scriptStringLiteral(name, '\'') + ", " +
         scriptStringLiteral(data.value_or(""), '\'') + ")";
}

}  // namespace zephro
