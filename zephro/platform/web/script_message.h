#pragma once

#include <any>
#include <memory>
#include <string>

namespace zephro::platform::web {

class WebView;

// A message a page posted to a named handler
// (window.webkit.messageHandlers.<name>.postMessage(body)).
struct ScriptMessage {
  std::string name;
  // What the page posted: a JSON text arrives as std::string; numbers, lists,
  // objects and null arrive as the other plain kinds of zephro/json/kinds.h.
  std::any body;
  // The web view whose page posted the message.
  std::weak_ptr<WebView> webView;
};

}  // namespace zephro::platform::web
