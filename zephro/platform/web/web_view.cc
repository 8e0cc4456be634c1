#include "zephro/platform/web/web_view.h"

#include <sstream>
#include <utility>

#include "zephro/platform/dispatch/main_loop.h"

namespace zephro::platform::web {

WebView::WebView(ui::Rect frame, std::shared_ptr<WebViewConfiguration> configuration)
    : ui::View(frame),
      configuration_(configuration ? std::move(configuration) : WebViewConfiguration::make()) {}

std::shared_ptr<WebView> WebView::make(ui::Rect frame, std::shared_ptr<WebViewConfiguration> configuration) {
  return std::make_shared<WebView>(frame, std::move(configuration));
}

void WebView::loadFileURL(const URL& file, const URL& readAccessRoot) {
  if (!file.isFileURL() || !readAccessRoot.isFileURL()) return;
  url_ = file;
  flushQueuedScripts();
  engine().loadFileURL(file, readAccessRoot);
}

void WebView::loadRequest(const URLRequest& request) {
  if (!request.url) return;
  url_ = request.url;
  flushQueuedScripts();
  engine().loadRequest(request);
}

void WebView::evaluateJavaScript(const std::string& script, JavaScriptCompletion completion) {
  flushQueuedScripts();
  engine().evaluateJavaScript(script, std::move(completion));
}

void WebView::queueJavaScript(std::string script) {
  if (passHasScripts_) {
    queuedScripts_.add(std::move(script));
    return;
  }
  passHasScripts_ = true;
  // The script leaves before anything else is done: a page awaiting it waits
  // for no more than that.
  engine().evaluateScripts({std::move(script)});
  dispatch::mainLoop()->postAtEndOfPass([weakSelf = weak_from_this()] {
    if (auto self = weakSelf.lock()) static_cast<WebView&>(*self).endPassOfScripts();
  });
}

void WebView::endPassOfScripts() {
  flushQueuedScripts();
  passHasScripts_ = false;
}

void WebView::flushQueuedScripts() {
  if (queuedScripts_.empty()) return;
  for (const auto& batch : queuedScripts_.takeBatches()) engine().evaluateScripts(batch);
}

void WebView::setInspectable(bool inspectable) {
  inspectable_ = inspectable;
  engine().setInspectable(inspectable);
}

std::string WebView::className() const { return "WebView"; }

std::string WebView::description() const {
  std::ostringstream text;
  text << '<' << className() << ' ' << static_cast<const void*>(this);
  if (url_) text << "; url=" << url_->absoluteString();
  text << '>';
  return text.str();
}

WebViewEngine& WebView::engine() {
  if (!engine_) {
    engine_ = makeEngine(*this, WebViewEngineClient(sharedWebView()));
    configuration_->addObserver(engine_);
  }
  return *engine_;
}

std::shared_ptr<WebView> WebView::sharedWebView() {
  // Empty while still being constructed or when not owned by a shared pointer.
  return std::static_pointer_cast<WebView>(weak_from_this().lock());
}

}  // namespace zephro::platform::web
