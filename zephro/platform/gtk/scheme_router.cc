#include "zephro/platform/gtk/scheme_router.h"

#include "zephro/platform/gtk/callback_trampoline.h"
#include "zephro/platform/gtk/scheme_error.h"
#include "zephro/platform/gtk/web_extension_protocol.h"

namespace zephro::platform::gtk {
namespace {

namespace protocol = web_extension_protocol;

std::string engineScheme(const std::string& pageScheme) {
  return pageScheme == protocol::kPageResourceScheme ? protocol::kPrivateResourceScheme : pageScheme;
}

std::string pageScheme(const std::string& engineScheme) {
  return engineScheme == protocol::kPrivateResourceScheme ? protocol::kPageResourceScheme : engineScheme;
}

}  // namespace

SchemeRouter::SchemeRouter(WebKitWebContext* context) : context_(context) {}

void SchemeRouter::serve(const std::string& scheme) {
  if (!served_.insert(scheme).second) return;
  const auto registered = engineScheme(scheme);
  using Requests = Trampoline<void(WebKitURISchemeRequest*)>;
  webkit_web_context_register_uri_scheme(context_, registered.c_str(), Requests::call,
                                         Requests::own([this](WebKitURISchemeRequest* request) { route(request); }),
                                         Requests::destroy);
  // Pages loaded from file:// fetch() these resources cross-origin. The web
  // process checks the address the page wrote, before the extension rewrites
  // it, so the page-facing name must pass the check too.
  auto* security = webkit_web_context_get_security_manager(context_);
  webkit_security_manager_register_uri_scheme_as_cors_enabled(security, registered.c_str());
  webkit_security_manager_register_uri_scheme_as_cors_enabled(security, scheme.c_str());
}

void SchemeRouter::setHandler(WebKitWebView* view, Handler handler) { handlers_[view] = std::move(handler); }

void SchemeRouter::removeHandler(WebKitWebView* view) { handlers_.erase(view); }

void SchemeRouter::route(WebKitURISchemeRequest* request) {
  const auto handler = handlers_.find(webkit_uri_scheme_request_get_web_view(request));
  if (handler == handlers_.end()) {
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
