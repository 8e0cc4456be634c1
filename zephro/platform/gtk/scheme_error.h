#pragma once

#include <webkit/webkit.h>

#include <string>

namespace zephro::platform::gtk {

// Fails a scheme request with the given error domain and code. GLib needs a
// non-empty domain, so an empty one becomes the kit's scheme-task domain.
void finishWithSchemeError(WebKitURISchemeRequest* request, const std::string& domain, int code);

}  // namespace zephro::platform::gtk
