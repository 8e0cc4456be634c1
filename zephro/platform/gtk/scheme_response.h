#pragma once

#include <webkit/webkit.h>

#include <string>
#include <string_view>

namespace zephro::platform::gtk {

// Answers a scheme request with the whole body at once, typed `mimeType` (in
// its Content-Type header too). The response allows any origin: pages loaded
// from file:// fetch() these resources cross-origin, and WebKit refuses the
// answer without the header.
void finishWithBody(WebKitURISchemeRequest* request, const std::string& mimeType, std::string_view body);

}  // namespace zephro::platform::gtk
