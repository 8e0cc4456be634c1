#include "zephro/platform/gtk/capture/gst_error_text.h"

namespace zephro::platform::gtk {

std::string gstErrorText(GstMessage* errorMessage) {
  GError* error = nullptr;
  gst_message_parse_error(errorMessage, &error, nullptr);
  std::string text = error != nullptr ? error->message : "unknown error";
  g_clear_error(&error);
  return text;
}

std::string takeBusError(GstElement* element, const std::string& fallback) {
  GstBus* bus = gst_element_get_bus(element);
  GstMessage* message = gst_bus_pop_filtered(bus, GST_MESSAGE_ERROR);
  gst_object_unref(bus);
  if (message == nullptr) return fallback;
  std::string text = gstErrorText(message);
  gst_message_unref(message);
  return text;
}

}  // namespace zephro::platform::gtk
