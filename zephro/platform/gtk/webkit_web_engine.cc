#include "zephro/platform/gtk/webkit_web_engine.h"

#include <algorithm>
#include <utility>

#include "zephro/platform/gtk/jsc_value_conversion.h"
#include "zephro/platform/gtk/load_failure.h"
#include "zephro/platform/gtk/message_source_guards.h"
#include "zephro/platform/gtk/no_dialog_policy.h"
#include "zephro/platform/gtk/script_batch.h"
#include "zephro/platform/gtk/web_context.h"
#include "zephro/platform/gtk/webkit_scheme_task.h"

namespace zephro::platform::gtk {
namespace {

// Preference keys the engine understands, as the kit sets them.
constexpr const char* kAllowFileAccessFromFileURLs = "allowFileAccessFromFileURLs";
constexpr const char* kAllowUniversalAccessFromFileURLs = "allowUniversalAccessFromFileURLs";

std::optional<web::WebError> webErrorOf(const GError* error) {
  if (error == nullptr) return std::nullopt;
  return web::WebError{g_quark_to_string(error->domain), error->code};
}

using EvaluationFinish = Trampoline<void(GObject*, GAsyncResult*)>;

// The evaluation's callback data; null when nobody waits for the answer.
gpointer ownEvaluationFinish(web::JavaScriptCompletion completion) {
  if (!completion) return nullptr;
  return EvaluationFinish::own([completion = std::move(completion)](GObject* view, GAsyncResult* result) {
    GOwned<GError> error;
    const auto value = GObjectRef<JSCValue>::adopt(
        webkit_web_view_evaluate_javascript_finish(WEBKIT_WEB_VIEW(view), result, error.out()));
    completion(plainValueOf(value.get()), webErrorOf(error.get()));
  });
}

}  // namespace

std::shared_ptr<web::WebViewEngine> WebKitWebEngine::make(web::WebView& webView, web::WebViewEngineClient client) {
  auto engine = std::make_shared<WebKitWebEngine>(std::move(client), webView.isInspectable());
  // The web view registers its engine as the configuration's observer.
  engine->syncAll(*webView.configuration());
  return engine;
}

WebKitWebEngine::WebKitWebEngine(web::WebViewEngineClient client, bool inspectable)
    : client_(std::move(client)),
      userContent_([this](const std::string& name, JSCValue* body) {
        client_.didReceiveScriptMessage(name, plainValueOf(body), documentURL_);
      }),
      settings_(GObjectRef<WebKitSettings>::adopt(webkit_settings_new())) {
  webkit_settings_set_enable_developer_extras(settings_.get(), inspectable);
  view_ = WebContext::shared().createWebView(userContent_.manager(), settings_.get());
  const GdkRGBA white = {1, 1, 1, 1};
  webkit_web_view_set_background_color(view_.get(), &white);
  connectSignals();
}

WebKitWebEngine::~WebKitWebEngine() {
  // No signal may reach the engine while it goes.
  signals_.clear();
  WebContext::shared().schemes().removeHandler(view_.get());
  for (const auto& [scheme, weakTask] : schemeTasks_) {
    if (auto task = weakTask.lock()) client_.stopURLSchemeTask(scheme, task);
  }
}

void WebKitWebEngine::connectSignals() {
  signals_.push_back(SignalConnection::connect<void(WebKitWebView*, WebKitLoadEvent)>(
      view_.get(), "load-changed", [this](WebKitWebView*, WebKitLoadEvent event) { onLoadChanged(event); }));
  signals_.push_back(SignalConnection::connect<gboolean(WebKitWebView*, WebKitLoadEvent, gchar*, GError*)>(
      view_.get(), "load-failed",
      [this](WebKitWebView*, WebKitLoadEvent, gchar*, GError* error) { return onLoadFailed(error); }));
  signals_.push_back(SignalConnection::connect<void(WebKitWebView*, WebKitWebProcessTerminationReason)>(
      view_.get(), "web-process-terminated",
      [this](WebKitWebView*, WebKitWebProcessTerminationReason) { onWebProcessTerminated(); }));
  installNoDialogPolicy(view_.get());
  WebContext::shared().schemes().setHandler(
      view_.get(), [this](const std::string& scheme, const std::string& pageUri, WebKitURISchemeRequest* request) {
        startSchemeTask(scheme, pageUri, request);
      });
}

void WebKitWebEngine::loadFileURL(const URL& file, const URL& readAccessRoot) {
  endLoadTimeout();
  WebContext::shared().readAccessRoots().set(view_.get(), readAccessRoot.fileSystemPath().string());
  webkit_web_view_load_uri(view_.get(), file.absoluteString().c_str());
}

void WebKitWebEngine::loadRequest(const web::URLRequest& request) {
  if (!request.url) return;
  endLoadTimeout();
  // A page from the network reads no local files.
  WebContext::shared().readAccessRoots().set(view_.get(), "");
  // WebKitGTK has no per-request cache policy: loads follow the protocol's
  // caching rules, which is the kit's only policy.
  auto uriRequest = GObjectRef<WebKitURIRequest>::adopt(webkit_uri_request_new(request.url->absoluteString().c_str()));
  webkit_web_view_load_request(view_.get(), uriRequest.get());
  pendingTimeout_ = request.timeoutInterval;
}

// The clock starts once the load has started in the web process: WebKit
// ignores a stop that comes earlier (while the web process launches, say), and
// launching is not the server's delay.
void WebKitWebEngine::startLoadTimeout() {
  if (!pendingTimeout_) return;
  std::weak_ptr<WebKitWebEngine> weakSelf = weak_from_this();
  loadTimeout_.start(*std::exchange(pendingTimeout_, std::nullopt), [weakSelf] {
    if (auto self = weakSelf.lock()) {
      self->stoppedAtTimeout_ = true;
      webkit_web_view_stop_loading(self->view_.get());
    }
  });
}

void WebKitWebEngine::endLoadTimeout() {
  loadTimeout_.cancel();
  pendingTimeout_.reset();
}

void WebKitWebEngine::evaluateJavaScript(const std::string& script, web::JavaScriptCompletion completion) {
  gpointer finish = ownEvaluationFinish(std::move(completion));
  webkit_web_view_evaluate_javascript(view_.get(), script.c_str(), static_cast<gssize>(script.size()), nullptr,
                                      nullptr, nullptr, finish != nullptr ? EvaluationFinish::callOnce : nullptr,
                                      finish);
}

void WebKitWebEngine::evaluateScripts(const std::vector<std::string>& scripts) {
  evaluateJavaScript(scripts.size() == 1 ? scripts.front() : joinedScript(scripts), {});
}

void WebKitWebEngine::setInspectable(bool inspectable) {
  webkit_settings_set_enable_developer_extras(settings_.get(), inspectable);
}

void WebKitWebEngine::configurationDidChange(const web::WebViewConfiguration& configuration,
                                             web::ConfigurationChange change) {
  switch (change) {
    case web::ConfigurationChange::userScripts:
      syncUserScripts(configuration);
      break;
    case web::ConfigurationChange::scriptMessageHandlers:
      userContent_.setHandlerNames(configuration.userContentController().scriptMessageHandlerNames());
      syncUserScripts(configuration);
      break;
    case web::ConfigurationChange::urlSchemeHandlers:
      syncSchemes(configuration);
      break;
    case web::ConfigurationChange::preferences:
      syncPreferences(configuration);
      break;
  }
}

void WebKitWebEngine::syncAll(const web::WebViewConfiguration& configuration) {
  syncUserScripts(configuration);
  userContent_.setHandlerNames(configuration.userContentController().scriptMessageHandlerNames());
  syncSchemes(configuration);
  syncPreferences(configuration);
}

// The guards go first: they concern the page's scripts, not the others.
void WebKitWebEngine::syncUserScripts(const web::WebViewConfiguration& configuration) {
  const auto& content = configuration.userContentController();
  std::vector<web::UserScript> scripts = messageSourceGuards(content.scriptMessageSources());
  scripts.insert(scripts.end(), content.userScripts().begin(), content.userScripts().end());
  userContent_.setUserScripts(scripts);
}

// Requests are routed by view and the model finds the handler when one comes,
// so the context only has to know every scheme some configuration serves.
void WebKitWebEngine::syncSchemes(const web::WebViewConfiguration& configuration) {
  for (const auto& scheme : configuration.urlSchemes()) WebContext::shared().schemes().serve(scheme);
}

void WebKitWebEngine::syncPreferences(const web::WebViewConfiguration& configuration) {
  const auto& preferences = configuration.preferences();
  webkit_settings_set_allow_file_access_from_file_urls(settings_.get(),
                                                       preferences.boolValue(kAllowFileAccessFromFileURLs));
  webkit_settings_set_allow_universal_access_from_file_urls(settings_.get(),
                                                            preferences.boolValue(kAllowUniversalAccessFromFileURLs));
}

void WebKitWebEngine::startSchemeTask(const std::string& scheme, const std::string& pageUri,
                                      WebKitURISchemeRequest* request) {
  auto task = WebKitSchemeTask::make(request, pageUri);
  std::erase_if(schemeTasks_, [](const auto& entry) { return entry.second.expired(); });
  schemeTasks_.emplace_back(scheme, task);
  client_.startURLSchemeTask(scheme, task);
}

void WebKitWebEngine::onLoadChanged(WebKitLoadEvent event) {
  if (event == WEBKIT_LOAD_STARTED) {
    loadFailed_ = false;
    stoppedAtTimeout_ = false;
    startLoadTimeout();
  }
  // The timeout is the server's to answer the page itself: once its document
  // is shown, slow images and scripts no longer fail the page.
  if (event == WEBKIT_LOAD_COMMITTED) {
    endLoadTimeout();
    commitDocument();
  }
  if (event != WEBKIT_LOAD_FINISHED) return;
  endLoadTimeout();
  // WebKit ends failed loads with "finished" too; only successes count.
  if (!loadFailed_) client_.didFinishNavigation();
}

// TRUE: the kit shows its own failure view, never WebKit's error page.
gboolean WebKitWebEngine::onLoadFailed(const GError* error) {
  loadFailed_ = true;
  if (auto failure = loadFailureOf(error, stoppedAtTimeout_)) client_.didFailNavigation(*failure);
  return TRUE;
}

void WebKitWebEngine::onWebProcessTerminated() {
  endLoadTimeout();
  client_.webContentProcessDidTerminate();
}

void WebKitWebEngine::commitDocument() {
  const gchar* uri = webkit_web_view_get_uri(view_.get());
  documentURL_ = uri != nullptr ? URL::parse(uri) : std::nullopt;
}

WebKitWebEngine* webKitEngineOf(web::WebView& webView) { return dynamic_cast<WebKitWebEngine*>(&webView.engine()); }

}  // namespace zephro::platform::gtk
