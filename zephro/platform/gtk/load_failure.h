#pragma once

#include <glib.h>

#include <optional>

#include "zephro/platform/web/web_error.h"

namespace zephro::platform::gtk {

// What the model hears of a failed main-frame load: nothing for a load given
// up for a newer one or handed elsewhere (a download), a timeout for a load
// stopped at its timeout, WebKit's error otherwise.
std::optional<web::WebError> loadFailureOf(const GError* error, bool stoppedAtTimeout);

}  // namespace zephro::platform::gtk
