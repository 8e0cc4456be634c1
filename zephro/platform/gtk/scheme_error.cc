#include "zephro/platform/gtk/scheme_error.h"

#include "zephro/platform/gtk/gobject_ref.h"

namespace zephro::platform::gtk {

void finishWithSchemeError(WebKitURISchemeRequest* request, const std::string& domain, int code) {
  const GQuark quark = g_quark_from_string(domain.empty() ? "zephro-scheme-task" : domain.c_str());
  const GOwned<GError> error(g_error_new(quark, code, "The scheme task failed with code %d", code));
  webkit_uri_scheme_request_finish_error(request, error.get());
}

}  // namespace zephro::platform::gtk
