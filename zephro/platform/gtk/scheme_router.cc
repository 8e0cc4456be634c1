#include "zephro/platform/gtk/scheme_router.h"

#include <array>
#include <string_view>

#include "zephro/platform/gtk/scheme_error.h"
#include "zephro/platform/gtk/web_extension_protocol.h"

namespace zephro::platform::gtk {
namespace {

namespace protocol = web_extension_protocol;

// Schemes WebKit loads itself and never hands to an application.
constexpr std::array<std::string_view, 10> kEngineSchemes = {"about", "blob", "data", "file", "ftp",
                                                             "http", "https", "javascript", "ws", "wss"};

std::string engineScheme(const std::string& pageScheme) {
  return pageScheme == protocol::kPageResourceScheme ? protocol::kPrivateResourceScheme : pageScheme;
}

std::string pageScheme(const std::string& engineScheme) {
  return engineScheme == protocol::kPrivateResourceScheme ? protocol::kPageResourceScheme : engineScheme;
}

}  // namespace

SchemeRouter::SchemeRouter(WebKitWebContext* context) : context_(context) {}

bool SchemeRouter::serve(const std::string& scheme) {
  for (auto engineServed : kEngineSchemes) {
    if (scheme == engineServed) return false;
  }
  if (!served_.insert(scheme).second) return true;
  const auto registered = engineScheme(scheme);
  webkit_web_context_register_uri_scheme(context_, registered.c_str(), onRequest, this, nullptr);
  // Pages loaded from file:// fetch() these resources cross-origin. The web
  // process checks the address the page wrote, before the extension rewrites
  // it, so the page-facing name must pass the check too.
  auto* security = webkit_web_context_get_security_manager(context_);
  webkit_security_manager_register_uri_scheme_as_cors_enabled(security, registered.c_str());
  webkit_security_manager_register_uri_scheme_as_cors_enabled(security, scheme.c_str());
  return true;
}

void SchemeRouter::setHandler(WebKitWebView* view, Handler handler) { handlers_[view] = std::move(handler); }

void SchemeRouter::removeHandler(WebKitWebView* view) { handlers_.erase(view); }

void SchemeRouter::onRequest(WebKitURISchemeRequest* request, gpointer self) {
  auto& handlers = static_cast<SchemeRouter*>(self)->handlers_;
  const auto handler = handlers.find(webkit_uri_scheme_request_get_web_view(request));
  if (handler == handlers.end()) {
    finishWithSchemeError(request, "", 404);
    return;
  }
  const std::string registered = webkit_uri_scheme_request_get_scheme(request);
  const std::string scheme = pageScheme(registered);
  const std::string uri = webkit_uri_scheme_request_get_uri(request);
  // A copy: the handler may replace or remove itself while it runs.
  auto run = handler->second;
  run(scheme, scheme + uri.substr(registered.size()), request);
}

}  // namespace zephro::platform::gtk
