#include "zephro/platform/gtk/capture/gst_error_text.h"

#include "zephro/platform/gtk/capture/gst_owned.h"

namespace zephro::platform::gtk {

std::string gstErrorText(GstMessage* errorMessage) {
  GOwned<GError> error;
  gst_message_parse_error(errorMessage, error.out(), nullptr);
  return error ? error->message : "unknown error";
}

std::string takeBusError(GstElement* element, const std::string& fallback) {
  const auto bus = GObjectRef<GstBus>::adopt(gst_element_get_bus(element));
  const GOwned<GstMessage> message(gst_bus_pop_filtered(bus.get(), GST_MESSAGE_ERROR));
  return message ? gstErrorText(message.get()) : fallback;
}

}  // namespace zephro::platform::gtk
