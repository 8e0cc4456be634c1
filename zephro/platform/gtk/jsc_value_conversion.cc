#include "zephro/platform/gtk/jsc_value_conversion.h"

#include <string>

#include "zephro/platform/foundation/json_serialization.h"

namespace zephro::platform::gtk {
namespace {

std::string takeText(gchar* text) {
  std::string result = text != nullptr ? text : "";
  g_free(text);
  return result;
}

}  // namespace

std::any plainValueOf(JSCValue* value) {
  if (value == nullptr || jsc_value_is_undefined(value)) return {};
  if (jsc_value_is_string(value)) return takeText(jsc_value_to_string(value));
  gchar* json = jsc_value_to_json(value, 0);
  // A pending exception from the conversion must not leak into the next call.
  jsc_context_clear_exception(jsc_value_get_context(value));
  if (json == nullptr) return {};
  auto plain = foundation::JSONSerialization::jsonObject(takeText(json));
  return plain ? std::move(*plain) : std::any{};
}

}  // namespace zephro::platform::gtk
