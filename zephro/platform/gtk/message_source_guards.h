#pragma once

#include <vector>

#include "zephro/platform/web/url_pattern.h"
#include "zephro/platform/web/user_script.h"

namespace zephro::platform::gtk {

// WebKit's message signal does not say which frame posted, so documents
// outside a configuration's message sources are kept from posting at all:
// these main-world scripts take the handlers (window.webkit.messageHandlers)
// from each such document, frames included, before its own scripts run. WebKit's
// user-script patterns decide, as they do for the configuration's scripts.
// Documents that take their origin from their creator (about:blank and the
// like) run no user scripts; the web-process extension covers them. None for
// unrestricted sources.
std::vector<web::UserScript> messageSourceGuards(const web::DocumentFilter& sources);

}  // namespace zephro::platform::gtk
