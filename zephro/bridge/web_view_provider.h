// Makes the web view of every page and is the native end of the bridge for
// all of them: one shared configuration with the "jsb" message channel and
// the "resource" scheme, the start-up script with the page globals, decoding
// and dispatching page messages, and sending the answers back. Only the
// documents of its TrustedDocuments (the kit's own pages, set by the H5
// manager) get the globals and the bridge.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <utility>

#include "zephro/bridge/h5_content_web_view.h"
#include "zephro/bridge/trusted_documents.h"
#include "zephro/bridge/web_view_response.h"
#include "zephro/json/json_decoder.h"
#include "zephro/json/json_encoder.h"
#include "zephro/platform/web/navigation_delegate.h"
#include "zephro/platform/web/script_message_handler.h"
#include "zephro/platform/web/ui_delegate.h"
#include "zephro/platform/web/url_scheme_handler.h"
#include "zephro/platform/web/user_script.h"
#include "zephro/platform/web/web_view_configuration.h"

namespace zephro {

inline constexpr char kBridgeChannel[] = "jsb";

class WebViewProvider : public platform::web::NavigationDelegate,
                        public platform::web::UIDelegate,
                        public platform::web::ScriptMessageHandler,
                        public platform::web::URLSchemeHandler,
                        public std::enable_shared_from_this<WebViewProvider> {
 public:
  // The kit's provider, made on first use and never destroyed; its
  // configuration holds it as message and scheme handler.
  static WebViewProvider& shared();

  // Shared by every web view this provider makes.
  const std::shared_ptr<platform::web::WebViewConfiguration>& webviewConfiguration() const { return configuration_; }

  // The documents given the globals and the bridge from the next web view
  // made on; until one is set, none are.
  void setTrustedDocuments(std::shared_ptr<TrustedDocuments> trusted) { trustedDocuments_ = std::move(trusted); }

  // A new content web view, ready to load a page. Its start-up script, built
  // from the values stored now, replaces the one this provider added before
  // (user scripts others added stay), so only the newest values are injected
  // into later page loads in any web view. The script, and the bridge, are
  // limited to the documents trusted now.
  std::shared_ptr<H5ContentWebView> createWebView();

  // Page messages on "jsb": the JSON text of a WebViewInvoke, dispatched
  // through JSBManager::shared(); answers go back to the posting web view.
  // A message from an untrusted document is dropped before decoding, with a
  // debug line naming its origin.
  void didReceiveScriptMessage(platform::web::UserContentController& controller,
                               const platform::web::ScriptMessage& message) override;
  // Serves "resource" URLs from the application's temporary directory.
  void startURLSchemeTask(platform::web::WebView& webView,
                          std::shared_ptr<platform::web::URLSchemeTask> task) override;
  void stopURLSchemeTask(platform::web::WebView& webView,
                         std::shared_ptr<platform::web::URLSchemeTask> task) override;
  // Failed loads and ended web processes go to the page screen that shows the
  // web view (see page_load_events.h).
  void didFailNavigation(platform::web::WebView& webView, const platform::web::WebError& error) override;
  void webContentProcessDidTerminate(platform::web::WebView& webView) override;

  // Queues the response script for `invokeId` in `webView`, evaluated at the
  // end of this main-loop pass with the other answers and events of the pass
  // (one with a ready-made payload is evaluated at once, after them); nothing
  // is sent when the web view is gone or the response cannot be written.
  void sendResponse(const WebViewResponse& response, std::int64_t invokeId,
                    const std::weak_ptr<platform::web::WebView>& webView) const;

 private:
  WebViewProvider();
  static std::shared_ptr<WebViewProvider> make();
  void replaceStartupScript(platform::web::UserScript script);

  std::shared_ptr<platform::web::WebViewConfiguration> configuration_;
  JSONDecoder jsonDecoder_;
  JSONEncoder jsonEncoder_;
  std::optional<platform::web::UserScript> startupScript_;
  std::shared_ptr<TrustedDocuments> trustedDocuments_;
};

}  // namespace zephro
