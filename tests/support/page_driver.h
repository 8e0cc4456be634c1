// Acting as the page inside a web view on the headless engine: post bridge
// messages and read what the kit evaluated or loaded.
#pragma once

#include <string>
#include <vector>

#include "zephro/platform/headless/headless_web_engine.h"
#include "zephro/platform/web/web_view.h"

namespace zephro::testing {

// The page posts `json` on the "jsb" channel; false when no handler took it.
bool postBridgeMessage(platform::web::WebView& webView, const std::string& json);
// Every script evaluated in the web view so far, oldest first, including those
// queued for the end of this main-loop pass.
std::vector<std::string> scriptsOf(platform::web::WebView& webView);
// The answers (window.__jsb.onResponse scripts) among them.
std::vector<std::string> responsesOf(platform::web::WebView& webView);
// The scripts evaluated after the first `skip` ones.
std::vector<std::string> scriptsSince(platform::web::WebView& webView, std::size_t skip);
// The loads the engine received, oldest first.
std::vector<platform::headless::RecordedLoad> loadsOf(platform::web::WebView& webView);

}  // namespace zephro::testing
