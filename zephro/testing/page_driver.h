// Acting as the page inside a web view on the headless engine: post bridge
// calls and read what the kit evaluated or loaded.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "zephro/platform/headless/headless_web_engine.h"
#include "zephro/platform/web/web_view.h"

namespace zephro::testing {

// The page posts `json` on the "jsb" channel; false when no handler took it.
bool postBridgeMessage(platform::web::WebView& webView, const std::string& json);
// The page calls `method` of `scope` with `paramsJson` (none when empty),
// waiting for an answer under `invokeId` when it has one.
bool callBridge(platform::web::WebView& webView, std::string_view scope, std::string_view method,
                std::string_view paramsJson = {}, std::optional<std::int64_t> invokeId = std::nullopt);
// Every script evaluated in the web view so far, oldest first, including those
// queued for the end of this main-loop pass.
std::vector<std::string> scriptsOf(platform::web::WebView& webView);
// The answers (window.__jsb.onResponse scripts) among them.
std::vector<std::string> responsesOf(platform::web::WebView& webView);
// The payload of the last answer to the call with `invokeId` (the JSON text
// the page's callback receives); nothing when the kit has not answered it.
std::optional<std::string> answerTo(platform::web::WebView& webView, std::int64_t invokeId);
// The scripts evaluated after the first `skip` ones.
std::vector<std::string> scriptsSince(platform::web::WebView& webView, std::size_t skip);
// The loads the engine received, oldest first.
std::vector<platform::headless::RecordedLoad> loadsOf(platform::web::WebView& webView);

}  // namespace zephro::testing
