// Loading an H5 page into any web view, from the page bundle or, in debug
// mode, from the development server (H5Manager::shared(), read at the call).
#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "zephro/platform/web/web_view.h"

namespace zephro {

// Request loads of web addresses: the protocol's own caching, pageLoadTimeout().
platform::web::URLRequest pageRequest(const URL& url);

// How long a page load from the network may take: 60 seconds.
std::chrono::duration<double> pageLoadTimeout();
// For tests only, so that a load that hangs fails quickly: a positive
// `timeout` applies to later loads, anything else restores the 60 seconds.
void setPageLoadTimeoutForTesting(std::chrono::duration<double> timeout);

// `query` ("?id=3") is resolved as a relative reference against the page
// address and dropped when it does not resolve. Loads nothing when the page
// address cannot be formed (no "index.html" in the bundle, a debug address
// that does not parse). Bundle pages may read the whole page bundle. Returns
// whether a load was started.
bool loadH5Page(platform::web::WebView& webView, const std::string& page,
                const std::optional<std::string>& query = std::nullopt);

}  // namespace zephro
