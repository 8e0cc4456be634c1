#pragma once

#include <webkit/webkit.h>

namespace zephro::platform::gtk {

// Pages get no native user interface of their own, as in a mobile web view
// whose host supplies none: alert() returns at once, confirm() answers false,
// prompt() answers null, a page being left is left without asking, and
// window.open() or target="_blank" open nothing. WebKit would otherwise show
// its own blocking dialogs.
void installNoDialogPolicy(WebKitWebView* view);

}  // namespace zephro::platform::gtk
