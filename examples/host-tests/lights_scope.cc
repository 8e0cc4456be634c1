#include "lights_scope.h"

#include <optional>
#include <string>

namespace {

std::optional<std::int64_t> requestedLevel(const zephro::WebViewInvoke& invoke) {
  if (!invoke.params) return std::nullopt;
  auto entry = invoke.params->find("level");
  if (entry == invoke.params->end()) return std::nullopt;
  const auto* level = entry->second.as<std::int64_t>();
  if (!level || *level < 0 || *level > 10) return std::nullopt;
  return *level;
}

}  // namespace

void LightsScope::handle(const zephro::JSBInvocation& invocation, zephro::JSBCallback callback) {
  const std::string method = invocation.invoke.method.value_or("");
  if (method == "setLevel") {
    std::optional<std::int64_t> level = requestedLevel(invocation.invoke);
    if (!level) {
      if (callback) callback(zephro::WebViewResponse{std::nullopt, std::nullopt, false});
      return;
    }
    level_ = *level;
  } else if (method != "getLevel") {
    return;
  }
  if (callback) callback(zephro::WebViewResponse{std::nullopt, {{{"level", zephro::AnyCodable(level_)}}}, true});
}
