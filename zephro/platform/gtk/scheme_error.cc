#include "zephro/platform/gtk/scheme_error.h"

namespace zephro::platform::gtk {

void finishWithSchemeError(WebKitURISchemeRequest* request, const std::string& domain, int code) {
  const GQuark quark = g_quark_from_string(domain.empty() ? "zephro-scheme-task" : domain.c_str());
  GError* error = g_error_new(quark, code, "The scheme task failed with code %d", code);
  webkit_uri_scheme_request_finish_error(request, error);
  g_error_free(error);
}

}  // namespace zephro::platform::gtk
