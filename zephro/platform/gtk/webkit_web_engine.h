#pragma once

#include <webkit/webkit.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "zephro/platform/gtk/callback_trampoline.h"
#include "zephro/platform/gtk/gobject_ref.h"
#include "zephro/platform/gtk/load_timeout.h"
#include "zephro/platform/gtk/user_content_sync.h"
#include "zephro/platform/web/web_view.h"
#include "zephro/platform/web/web_view_engine.h"

namespace zephro::platform::gtk {

class WebKitSchemeTask;

// A model web view's engine on a WebKitWebView of the kit's shared context.
// It mirrors the shared configuration into its own content manager and
// settings, and reports messages, scheme requests, finished and failed loads
// and the end of its web process to the model through its client.
//
// WebKit's script-message signal names neither the frame nor the document
// that posted: a message is reported with the address of the main frame's
// last committed document. Documents outside the configuration's message
// sources are kept from posting in the web process instead (see
// message_source_guards.h), so that an iframe of another origin inside a
// trusted page never reaches a handler.
class WebKitWebEngine : public web::WebViewEngine, public std::enable_shared_from_this<WebKitWebEngine> {
 public:
  // The factory the backend installs (web::setEngineFactory).
  static std::shared_ptr<web::WebViewEngine> make(web::WebView& webView, web::WebViewEngineClient client);

  WebKitWebEngine(web::WebViewEngineClient client, bool inspectable);
  ~WebKitWebEngine() override;

  void loadFileURL(const URL& file, const URL& readAccessRoot) override;
  void loadRequest(const web::URLRequest& request) override;
  void evaluateJavaScript(const std::string& script, web::JavaScriptCompletion completion) override;
  // One evaluation for all (script_batch.h).
  void evaluateScripts(const std::vector<std::string>& scripts) override;
  void setInspectable(bool inspectable) override;
  void configurationDidChange(const web::WebViewConfiguration& configuration,
                              web::ConfigurationChange change) override;

  // The widget the renderer shows for this web view.
  GtkWidget* widget() const { return GTK_WIDGET(view_.get()); }
  WebKitWebView* webView() const { return view_.get(); }

 private:
  void syncAll(const web::WebViewConfiguration& configuration);
  void syncUserScripts(const web::WebViewConfiguration& configuration);
  void syncSchemes(const web::WebViewConfiguration& configuration);
  void syncPreferences(const web::WebViewConfiguration& configuration);
  void connectSignals();
  void startLoadTimeout();
  void commitDocument();
  void endLoadTimeout();
  void startSchemeTask(const std::string& scheme, const std::string& pageUri, WebKitURISchemeRequest* request);
  void onLoadChanged(WebKitLoadEvent event);
  gboolean onLoadFailed(const GError* error);
  void onWebProcessTerminated();

  web::WebViewEngineClient client_;
  UserContentSync userContent_;
  GObjectRef<WebKitSettings> settings_;
  GObjectRef<WebKitWebView> view_;
  LoadTimeout loadTimeout_;
  // Seconds the requested load may take, until it starts and the clock runs.
  std::optional<double> pendingTimeout_;
  bool loadFailed_ = false;
  // The current load was stopped because it ran out of time.
  bool stoppedAtTimeout_ = false;
  // The main frame's current document, as of its last commit.
  std::optional<URL> documentURL_;
  // Open requests with their schemes, stopped if the view goes first.
  std::vector<std::pair<std::string, std::weak_ptr<WebKitSchemeTask>>> schemeTasks_;
  std::vector<SignalConnection> signals_;
};

// The engine behind `webView` when the GTK backend made it, else null.
WebKitWebEngine* webKitEngineOf(web::WebView& webView);

}  // namespace zephro::platform::gtk
