#include "zephro/platform/gtk/load_failure.h"

#include <webkit/webkit.h>

namespace zephro::platform::gtk {

std::optional<web::WebError> loadFailureOf(const GError* error, bool stoppedAtTimeout) {
  if (error == nullptr) return std::nullopt;
  if (g_error_matches(error, WEBKIT_NETWORK_ERROR, WEBKIT_NETWORK_ERROR_CANCELLED)) {
    if (stoppedAtTimeout) return web::WebError::timedOut();
    return std::nullopt;
  }
  if (g_error_matches(error, WEBKIT_POLICY_ERROR, WEBKIT_POLICY_ERROR_FRAME_LOAD_INTERRUPTED_BY_POLICY_CHANGE) ||
      g_error_matches(error, WEBKIT_MEDIA_ERROR, WEBKIT_MEDIA_ERROR_WILL_HANDLE_LOAD)) {
    return std::nullopt;
  }
  return web::WebError{g_quark_to_string(error->domain), error->code, error->message};
}

}  // namespace zephro::platform::gtk
