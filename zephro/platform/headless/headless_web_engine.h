#pragma once

#include <any>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "zephro/platform/foundation/url.h"
#include "zephro/platform/headless/headless_url_scheme_task.h"
#include "zephro/platform/web/user_script.h"
#include "zephro/platform/web/web_view.h"
#include "zephro/platform/web/web_view_engine.h"
#include "zephro/platform/web/web_view_engine_client.h"

namespace zephro::platform::headless {

enum class LoadKind { file, request };

// A page's own calls for native user interface.
enum class PageDialog { alert, confirm, prompt, openWindow };

// One load as the engine received it.
struct RecordedLoad {
  LoadKind kind = LoadKind::file;
  URL url;
  std::optional<URL> readAccessRoot;  // file loads
  web::CachePolicy cachePolicy = web::CachePolicy::useProtocolCachePolicy;  // request loads
  double timeoutInterval = 0;         // request loads
  // Sources of the user scripts the page would run (those whose documents
  // include the loaded URL), oldest first.
  std::vector<std::string> userScriptSources;
};

// The default engine: no page is shown and no script runs. It records what a
// real engine would have been asked to do and lets a test act as the page.
//
// Like an engine with one content manager per web view, it keeps its own copy
// of the configuration's user scripts, handler names and schemes, refreshed
// only through change notifications; pages see that copy.
class HeadlessWebEngine : public web::WebViewEngine {
 public:
  static std::shared_ptr<HeadlessWebEngine> make(web::WebView& webView, web::WebViewEngineClient client);
  HeadlessWebEngine(const web::WebViewConfiguration& configuration, web::WebViewEngineClient client,
                    bool inspectable);
  ~HeadlessWebEngine() override;

  void loadFileURL(const URL& file, const URL& readAccessRoot) override;
  void loadRequest(const web::URLRequest& request) override;
  // Records the script; a given completion is called with no value from the
  // main queue, later, as a real engine answers.
  void evaluateJavaScript(const std::string& script, web::JavaScriptCompletion completion) override;
  // Records the scripts, and that they came together.
  void evaluateScripts(const std::vector<std::string>& scripts) override;
  void setInspectable(bool inspectable) override { inspectable_ = inspectable; }
  void configurationDidChange(const web::WebViewConfiguration& configuration,
                              web::ConfigurationChange change) override;

  // What the engine was asked to do, in order.
  const std::vector<std::string>& evaluatedScripts() const { return evaluatedScripts_; }
  // The scripts handed over together (queued ones, at the end of a pass), one
  // entry per hand-over.
  const std::vector<std::vector<std::string>>& scriptBatches() const { return scriptBatches_; }
  const std::vector<RecordedLoad>& loads() const { return loads_; }
  bool isInspectable() const { return inspectable_; }

  // This view's copy of the shared configuration.
  const std::vector<web::UserScript>& userScripts() const { return userScripts_; }
  const std::vector<std::string>& scriptMessageHandlerNames() const { return handlerNames_; }
  const std::vector<std::string>& urlSchemes() const { return schemes_; }

  // The page posts `body` to window.webkit.messageHandlers[name]. Returns
  // whether a handler received it (a page cannot reach an unregistered name).
  // The page is the document of the last load (about:blank before any). A
  // string literal arrives as the std::string a page's text would.
  bool postScriptMessage(const std::string& name, std::any body);
  // The same from the document at `document`, a frame's for one. A document
  // outside the configuration's message sources cannot reach any handler.
  bool postScriptMessage(const std::string& name, std::any body, const URL& document);
  // The page requests `url`; the task shows what the handler answered (so far:
  // a handler may keep the task and answer later). A scheme this view does not
  // serve fails with an unsupported-URL error, as the page would see it.
  std::shared_ptr<HeadlessURLSchemeTask> runURLSchemeTask(const URL& url);
  std::shared_ptr<HeadlessURLSchemeTask> runURLSchemeTask(const std::string& scheme, web::URLRequest request);
  // The page gives up a request it made (navigated away, cancelled the fetch).
  void stopURLSchemeTask(const std::shared_ptr<HeadlessURLSchemeTask>& task);
  // The main frame finishes loading.
  void finishNavigation();
  // The main frame's load fails with `error`.
  void failNavigation(const web::WebError& error);
  // The process running the page ends; the model hears of it as it would from
  // a real engine.
  void terminateWebContentProcess();
  // The page calls alert(), confirm(), prompt() or window.open(). No user
  // interface answers (web/ui_delegate.h), so the call returns at once with
  // what it gives the page: nothing for an alert, false for a confirmation,
  // Null for a prompt, and Null for a window since none opens.
  std::any runPageDialog(PageDialog dialog) const;

 private:
  void syncUserScripts(const web::WebViewConfiguration& configuration);
  void syncHandlerNames(const web::WebViewConfiguration& configuration);
  void syncSchemes(const web::WebViewConfiguration& configuration);
  // Records a load with the user scripts in force now.
  RecordedLoad& startLoad(LoadKind kind, const URL& url);
  bool servesScheme(const std::string& scheme) const;

  web::WebViewEngineClient client_;
  bool inspectable_;
  std::vector<web::UserScript> userScripts_;
  std::vector<std::string> handlerNames_;
  web::DocumentFilter messageSources_;
  std::vector<std::string> schemes_;
  std::vector<std::string> evaluatedScripts_;
  std::vector<std::vector<std::string>> scriptBatches_;
  std::vector<RecordedLoad> loads_;
  std::vector<std::weak_ptr<HeadlessURLSchemeTask>> tasks_;
};

// The headless engine of `webView` (made now if it has none yet); null when
// another backend made its engine.
HeadlessWebEngine* engineOf(web::WebView& webView);

}  // namespace zephro::platform::headless
