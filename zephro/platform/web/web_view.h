#pragma once

#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "zephro/platform/foundation/url.h"
#include "zephro/platform/ui/view.h"
#include "zephro/platform/web/javascript_completion.h"
#include "zephro/platform/web/navigation_delegate.h"
#include "zephro/platform/web/queued_scripts.h"
#include "zephro/platform/web/scroll_view_settings.h"
#include "zephro/platform/web/ui_delegate.h"
#include "zephro/platform/web/url_request.h"
#include "zephro/platform/web/web_view_configuration.h"
#include "zephro/platform/web/web_view_engine.h"

namespace zephro::platform::web {

// A view that shows web pages. The model keeps what the kit sets and reads
// (configuration, delegates, last loaded URL, settings); the engine made by
// the current engine factory does the loading and running.
//
// Make web views through `make` or std::make_shared: the engine is created on
// first use, once the view (or a subclass of it) is fully constructed and
// owned by a shared pointer, so engine reports can name the view.
class WebView : public ui::View {
 public:
  // A null configuration gets a fresh default one.
  WebView(ui::Rect frame, std::shared_ptr<WebViewConfiguration> configuration);

  static std::shared_ptr<WebView> make(ui::Rect frame, std::shared_ptr<WebViewConfiguration> configuration);

  const std::shared_ptr<WebViewConfiguration>& configuration() const { return configuration_; }

  // Ignored unless both are file URLs.
  void loadFileURL(const URL& file, const URL& readAccessRoot);
  // Ignored when the request has no URL.
  void loadRequest(const URLRequest& request);
  // The URL of the last load started; absent before the first.
  const std::optional<URL>& url() const { return url_; }

  // Scripts queued before are evaluated first, so the page sees them in order.
  void evaluateJavaScript(const std::string& script, JavaScriptCompletion completion = {});
  // Evaluates `script` after the scripts queued before it, ignoring its
  // result; an error in it stops none of the others. The first script of a
  // main-loop pass goes at once, so one call at a time waits for nothing;
  // those that follow it in the same pass wait for the pass to end and go
  // together, in queuing order. `script` must parse on its own: engines may
  // join the scripts into one text. For answers and events, which a page may
  // draw in bursts.
  void queueJavaScript(std::string script);
  // Evaluates what is queued now instead of at the end of the pass.
  void flushQueuedScripts();

  std::weak_ptr<NavigationDelegate> navigationDelegate() const { return navigationDelegate_; }
  void setNavigationDelegate(std::weak_ptr<NavigationDelegate> delegate) { navigationDelegate_ = std::move(delegate); }
  std::weak_ptr<UIDelegate> uiDelegate() const { return uiDelegate_; }
  void setUIDelegate(std::weak_ptr<UIDelegate> delegate) { uiDelegate_ = std::move(delegate); }

  bool isInspectable() const { return inspectable_; }
  void setInspectable(bool inspectable);

  ScrollViewSettings& scrollView() { return scrollView_; }
  const ScrollViewSettings& scrollView() const { return scrollView_; }

  // The class name shown by `description`; subclasses name themselves.
  virtual std::string className() const;
  // "<ClassName 0x...; url=...>", the url part only once something was loaded.
  std::string description() const;

  // This view's engine, made on first use. Backends reach their engine here.
  WebViewEngine& engine();

 private:
  std::shared_ptr<WebView> sharedWebView();
  void endPassOfScripts();

  std::shared_ptr<WebViewConfiguration> configuration_;
  std::shared_ptr<WebViewEngine> engine_;
  std::optional<URL> url_;
  QueuedScripts queuedScripts_;
  // Whether a script went to the engine in the current pass: the end of the
  // pass is then awaited, and scripts queue until it comes.
  bool passHasScripts_ = false;
  std::weak_ptr<NavigationDelegate> navigationDelegate_;
  std::weak_ptr<UIDelegate> uiDelegate_;
  bool inspectable_ = false;
  ScrollViewSettings scrollView_;
};

}  // namespace zephro::platform::web
