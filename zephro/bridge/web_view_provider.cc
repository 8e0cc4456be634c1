#include "zephro/bridge/web_view_provider.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "zephro/bridge/debug_line.h"
#include "zephro/bridge/jsb_manager.h"
#include "zephro/bridge/page_load_events.h"
#include "zephro/bridge/resource_scheme.h"
#include "zephro/bridge/response_script.h"
#include "zephro/bridge/startup_script.h"
#include "zephro/bridge/trusted_documents.h"
#include "zephro/platform/foundation/application.h"
#include "zephro/platform/foundation/user_defaults.h"
#include "zephro/sdk/login_info_store.h"
#include "zephro/sdk/zephro_sdk4_tolmar_runner.h"

namespace zephro {

namespace {

using platform::foundation::UserDefaults;
namespace web = platform::web;

web::UserScript currentStartupScript(web::DocumentFilter trusted) {
  UserDefaults& defaults = UserDefaults::standard();
  std::string source = startupScript(defaults.string(kLoginUserTokenKey), defaults.value("homeId"),
                                     ZephroSdk4TolmarRunner::cloudConfig());
  return web::UserScript{std::move(source), web::InjectionTime::atDocumentStart, /*forMainFrameOnly=*/true,
                         std::move(trusted)};
}

std::optional<WebViewInvoke> decodeInvoke(const JSONDecoder& decoder, const std::string& body) {
  try {
    return decoder.decode<WebViewInvoke>(body);
  } catch (const DecodingError&) {
    writeDebugLine("jsb invoke is invalid: " + body);
    return std::nullopt;
  }
}

// No document lies below "/dev/null/": the filter while no one has said
// which documents are trusted lets none through.
web::DocumentFilter noDocuments() { return {{"file:///dev/null/*"}, {}}; }

std::shared_ptr<PageLoadEvents> pageScreenOf(web::WebView& webView) {
  auto* contentWebView = dynamic_cast<H5ContentWebView*>(&webView);
  if (!contentWebView) return nullptr;
  return contentWebView->screenAs<PageLoadEvents>();
}

}  // namespace

WebViewProvider& WebViewProvider::shared() {
  static const std::shared_ptr<WebViewProvider>* provider = new std::shared_ptr<WebViewProvider>(make());
  return **provider;
}

WebViewProvider::WebViewProvider() : configuration_(web::WebViewConfiguration::make()) {}

std::shared_ptr<WebViewProvider> WebViewProvider::make() {
  std::shared_ptr<WebViewProvider> provider(new WebViewProvider);
  web::WebViewConfiguration& configuration = *provider->configuration_;
  configuration.userContentController().addScriptMessageHandler(provider, kBridgeChannel);
  configuration.setURLSchemeHandler(provider, kResourceScheme);
  configuration.preferences().setValue("allowFileAccessFromFileURLs", true);
  return provider;
}

std::shared_ptr<H5ContentWebView> WebViewProvider::createWebView() {
  const web::DocumentFilter trusted = trustedDocuments_ ? trustedDocuments_->filter() : noDocuments();
  replaceStartupScript(currentStartupScript(trusted));
  configuration_->userContentController().setScriptMessageSources(trusted);
  auto webView = std::make_shared<H5ContentWebView>(platform::ui::Rect::zero(), configuration_);
  webView->setUIDelegate(weak_from_this());
  webView->setNavigationDelegate(weak_from_this());
  webView->scrollView().contentInsetAdjustmentBehavior = web::ContentInsetAdjustmentBehavior::never;
  webView->scrollView().alwaysBounceVertical = false;
  webView->setBackgroundColor(platform::ui::Color::white());
  webView->setInspectable(true);
  return webView;
}

void WebViewProvider::replaceStartupScript(web::UserScript script) {
  web::UserContentController& controller = configuration_->userContentController();
  std::vector<web::UserScript> scripts = controller.userScripts();
  if (startupScript_) {
    auto previous = std::find(scripts.begin(), scripts.end(), *startupScript_);
    if (previous != scripts.end()) scripts.erase(previous);
  }
  scripts.push_back(script);
  // One change for every engine, none when the script is the same as before.
  controller.setUserScripts(std::move(scripts));
  startupScript_ = std::move(script);
}

void WebViewProvider::didReceiveScriptMessage(web::UserContentController& /*controller*/,
                                              const web::ScriptMessage& message) {
  if (message.name != kBridgeChannel) return;
  if (!trustedDocuments_ || !trustedDocuments_->isTrusted(message.documentURL)) {
    writeDebugLine("jsb message from an untrusted origin: " + documentOriginText(message.documentURL));
    return;
  }
  const std::string* body = std::any_cast<std::string>(&message.body);
  if (!body) return;
  std::optional<WebViewInvoke> invoke = decodeInvoke(jsonDecoder_, *body);
  if (!invoke || !invoke->isValid()) return;
  std::weak_ptr<web::WebView> webView = message.webView;
  JSBManager::shared().dispatch(
      std::move(*invoke), webView.lock(),
      [provider = weak_from_this(), webView](const WebViewResponse& response, std::int64_t invokeId) {
        if (auto self = provider.lock()) self->sendResponse(response, invokeId, webView);
      });
}

void WebViewProvider::sendResponse(const WebViewResponse& response, std::int64_t invokeId,
                                   const std::weak_ptr<web::WebView>& webView) const {
  std::shared_ptr<web::WebView> target = webView.lock();
  if (!target) return;
  std::optional<std::string> script = responseScript(response, invokeId, jsonEncoder_);
  if (!script) return;
  // A ready-made payload may not parse, and must not fail the answers
  // evaluated together with it: it goes alone, after those queued before it.
  if (response.responseData) {
    target->evaluateJavaScript(*script);
  } else {
    target->queueJavaScript(std::move(*script));
  }
}

void WebViewProvider::startURLSchemeTask(web::WebView& /*webView*/, std::shared_ptr<web::URLSchemeTask> task) {
  serveResource(*task, platform::foundation::temporaryDirectory());
}

void WebViewProvider::stopURLSchemeTask(web::WebView& /*webView*/, std::shared_ptr<web::URLSchemeTask> /*task*/) {}

void WebViewProvider::didFailNavigation(web::WebView& webView, const web::WebError& error) {
  if (auto screen = pageScreenOf(webView)) screen->pageLoadDidFail(error);
}

void WebViewProvider::webContentProcessDidTerminate(web::WebView& webView) {
  if (auto screen = pageScreenOf(webView)) screen->pageProcessDidTerminate();
}

}  // namespace zephro
