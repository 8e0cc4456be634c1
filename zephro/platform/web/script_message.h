#pragma once

#include <any>
#include <memory>
#include <optional>
#include <string>

#include "zephro/platform/foundation/url.h"

namespace zephro::platform::web {

class WebView;

// A message a page posted to a named handler
// (window.webkit.messageHandlers.<name>.postMessage(body)).
struct ScriptMessage {
  std::string name;
  // What the page posted: a JSON text arrives as std::string; numbers, lists,
  // objects and null arrive as the other plain kinds of zephro/platform/foundation/kinds.h.
  std::any body;
  // The web view whose page posted the message.
  std::weak_ptr<WebView> webView;
  // The address of the posting document as far as the engine can tell; absent
  // when it cannot. An engine that cannot tell frames apart gives the address
  // of the main frame's current document (see its backend's documentation).
  std::optional<URL> documentURL;
};

}  // namespace zephro::platform::web
