#include "zephro/platform/headless/headless_web_engine.h"

#include <algorithm>
#include <utility>

#include "zephro/platform/dispatch/main_queue.h"
#include "zephro/platform/foundation/kinds.h"

namespace zephro::platform::headless {

std::shared_ptr<HeadlessWebEngine> HeadlessWebEngine::make(web::WebView& webView, web::WebViewEngineClient client) {
  return std::make_shared<HeadlessWebEngine>(*webView.configuration(), std::move(client), webView.isInspectable());
}

HeadlessWebEngine::HeadlessWebEngine(const web::WebViewConfiguration& configuration,
                                     web::WebViewEngineClient client, bool inspectable)
    : client_(std::move(client)), inspectable_(inspectable) {
  syncUserScripts(configuration);
  syncHandlerNames(configuration);
  syncSchemes(configuration);
}

HeadlessWebEngine::~HeadlessWebEngine() {
  // A handler that kept a task of a view that is gone must not answer into it.
  for (const auto& weakTask : tasks_) {
    if (auto task = weakTask.lock()) task->abandon();
  }
}

void HeadlessWebEngine::loadFileURL(const URL& file, const URL& readAccessRoot) {
  startLoad(LoadKind::file, file).readAccessRoot = readAccessRoot;
}

void HeadlessWebEngine::loadRequest(const web::URLRequest& request) {
  if (!request.url) return;
  RecordedLoad& load = startLoad(LoadKind::request, *request.url);
  load.cachePolicy = request.cachePolicy;
  load.timeoutInterval = request.timeoutInterval;
}

void HeadlessWebEngine::evaluateJavaScript(const std::string& script, web::JavaScriptCompletion completion) {
  evaluatedScripts_.push_back(script);
  if (!completion) return;
  dispatch::MainQueue::async([completion = std::move(completion)] { completion(std::any{}, std::nullopt); });
}

void HeadlessWebEngine::evaluateScripts(const std::vector<std::string>& scripts) {
  scriptBatches_.push_back(scripts);
  evaluatedScripts_.insert(evaluatedScripts_.end(), scripts.begin(), scripts.end());
}

void HeadlessWebEngine::configurationDidChange(const web::WebViewConfiguration& configuration,
                                               web::ConfigurationChange change) {
  switch (change) {
    case web::ConfigurationChange::userScripts:
      syncUserScripts(configuration);
      break;
    case web::ConfigurationChange::scriptMessageHandlers:
      syncHandlerNames(configuration);
      break;
    case web::ConfigurationChange::urlSchemeHandlers:
      syncSchemes(configuration);
      break;
    case web::ConfigurationChange::preferences:
      break;  // nothing here behaves differently by preference
  }
}

bool HeadlessWebEngine::postScriptMessage(const std::string& name, std::any body) {
  static const URL blank = *URL::parse("about:blank");
  return postScriptMessage(name, std::move(body), loads_.empty() ? blank : loads_.back().url);
}

bool HeadlessWebEngine::postScriptMessage(const std::string& name, std::any body, const URL& document) {
  // A literal would otherwise reach the handler as a kind no page can post.
  if (const auto* literal = std::any_cast<const char*>(&body)) body = *literal ? std::string(*literal) : std::any();
  if (!messageSources_.matches(document.absoluteString())) return false;
  if (std::find(handlerNames_.begin(), handlerNames_.end(), name) == handlerNames_.end()) return false;
  return client_.didReceiveScriptMessage(name, std::move(body), document);
}

std::shared_ptr<HeadlessURLSchemeTask> HeadlessWebEngine::runURLSchemeTask(const URL& url) {
  return runURLSchemeTask(url.scheme(), web::URLRequest{url});
}

std::shared_ptr<HeadlessURLSchemeTask> HeadlessWebEngine::runURLSchemeTask(const std::string& scheme,
                                                                           web::URLRequest request) {
  auto task = std::make_shared<HeadlessURLSchemeTask>(scheme, std::move(request));
  if (!servesScheme(scheme)) {
    task->didFailWithError(web::WebError::unsupportedURL());
    return task;
  }
  std::erase_if(tasks_, [](const auto& weakTask) { return weakTask.expired(); });
  tasks_.push_back(task);
  client_.startURLSchemeTask(scheme, task);
  return task;
}

void HeadlessWebEngine::stopURLSchemeTask(const std::shared_ptr<HeadlessURLSchemeTask>& task) {
  if (task) client_.stopURLSchemeTask(task->scheme(), task);
}

void HeadlessWebEngine::finishNavigation() { client_.didFinishNavigation(); }

void HeadlessWebEngine::failNavigation(const web::WebError& error) { client_.didFailNavigation(error); }

void HeadlessWebEngine::terminateWebContentProcess() { client_.webContentProcessDidTerminate(); }

std::any HeadlessWebEngine::runPageDialog(PageDialog dialog) const {
  switch (dialog) {
    case PageDialog::alert:
      return {};
    case PageDialog::confirm:
      return false;
    case PageDialog::prompt:
    case PageDialog::openWindow:
      return Null{};
  }
  return {};
}

void HeadlessWebEngine::syncUserScripts(const web::WebViewConfiguration& configuration) {
  userScripts_ = configuration.userContentController().userScripts();
}

void HeadlessWebEngine::syncHandlerNames(const web::WebViewConfiguration& configuration) {
  handlerNames_ = configuration.userContentController().scriptMessageHandlerNames();
  messageSources_ = configuration.userContentController().scriptMessageSources();
}

void HeadlessWebEngine::syncSchemes(const web::WebViewConfiguration& configuration) {
  schemes_ = configuration.urlSchemes();
}

RecordedLoad& HeadlessWebEngine::startLoad(LoadKind kind, const URL& url) {
  std::vector<std::string> sources;
  sources.reserve(userScripts_.size());
  for (const auto& script : userScripts_) {
    if (script.documents.matches(url.absoluteString())) sources.push_back(script.source);
  }
  loads_.push_back(RecordedLoad{kind, url, std::nullopt, web::CachePolicy::useProtocolCachePolicy, 0, std::move(sources)});
  return loads_.back();
}

bool HeadlessWebEngine::servesScheme(const std::string& scheme) const {
  return std::find(schemes_.begin(), schemes_.end(), scheme) != schemes_.end();
}

HeadlessWebEngine* engineOf(web::WebView& webView) { return dynamic_cast<HeadlessWebEngine*>(&webView.engine()); }

}  // namespace zephro::platform::headless
