#pragma once

#include <webkit/webkit.h>

#include <functional>
#include <map>
#include <set>
#include <string>

namespace zephro::platform::gtk {

// Hands custom-scheme requests of a web context to the web view that made
// them. WebKit registers a scheme once per context, while the kit's scheme
// handlers belong to each web view's configuration.
//
// Pages name schemes as the kit knows them ("resource"); WebKit may know one
// under another name (the extension moves "resource" to a private scheme),
// and the router translates addresses back.
class SchemeRouter {
 public:
  // `pageScheme` is lower case; `pageUri` the address as the page wrote it.
  using Handler =
      std::function<void(const std::string& pageScheme, const std::string& pageUri, WebKitURISchemeRequest*)>;

  explicit SchemeRouter(WebKitWebContext* context);
  SchemeRouter(const SchemeRouter&) = delete;
  SchemeRouter& operator=(const SchemeRouter&) = delete;

  // Makes WebKit pass requests of `pageScheme` here, from now on. The web
  // view configuration has refused the schemes WebKit serves itself.
  void serve(const std::string& pageScheme);

  void setHandler(WebKitWebView* view, Handler handler);
  void removeHandler(WebKitWebView* view);

 private:
  void route(WebKitURISchemeRequest* request);

  WebKitWebContext* context_;
  std::set<std::string> served_;
  std::map<WebKitWebView*, Handler> handlers_;
};

}  // namespace zephro::platform::gtk
