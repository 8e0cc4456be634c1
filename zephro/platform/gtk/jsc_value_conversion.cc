#include "zephro/platform/gtk/jsc_value_conversion.h"

#include <string>

#include "zephro/platform/foundation/json_serialization.h"
#include "zephro/platform/gtk/gobject_ref.h"

namespace zephro::platform::gtk {
namespace {

std::string takeText(gchar* text) {
  const GOwned<gchar> owned(text);
  return owned ? owned.get() : "";
}

}  // namespace

std::any plainValueOf(JSCValue* value) {
  if (value == nullptr) return {};
  // Bridge messages are text: asked first, it is one engine call less.
  if (jsc_value_is_string(value)) return takeText(jsc_value_to_string(value));
  if (jsc_value_is_undefined(value)) return {};
  const GOwned<gchar> json(jsc_value_to_json(value, 0));
  // A pending exception from the conversion must not leak into the next call.
  jsc_context_clear_exception(jsc_value_get_context(value));
  if (!json) return {};
  auto plain = foundation::JSONSerialization::jsonObject(json.get());
  return plain ? std::move(*plain) : std::any{};
}

}  // namespace zephro::platform::gtk
