#include "zephro/h5/load_h5_page.h"

#include "zephro/h5/h5_manager.h"

namespace zephro {

namespace {

constexpr std::chrono::duration<double> kPageLoadTimeout = std::chrono::seconds(60);

std::chrono::duration<double>& currentPageLoadTimeout() {
  static std::chrono::duration<double> timeout = kPageLoadTimeout;
  return timeout;
}

URL withQuery(const URL& page, const std::optional<std::string>& query) {
  if (!query) return page;
  return URL::parse(*query, page).value_or(page);
}

}  // namespace

platform::web::URLRequest pageRequest(const URL& url) {
  return {url, platform::web::CachePolicy::useProtocolCachePolicy, pageLoadTimeout().count()};
}

std::chrono::duration<double> pageLoadTimeout() { return currentPageLoadTimeout(); }

void setPageLoadTimeoutForTesting(std::chrono::duration<double> timeout) {
  currentPageLoadTimeout() = timeout.count() > 0 ? timeout : kPageLoadTimeout;
}

bool loadH5Page(platform::web::WebView& webView, const std::string& page, const std::optional<std::string>& query) {
  const H5Manager& manager = H5Manager::shared();
  if (manager.isDebug()) {
    std::optional<URL> address = manager.debugUrl(page);
    if (address) webView.loadRequest(pageRequest(withQuery(*address, query)));
    return address.has_value();
  }
  std::optional<URL> file = manager.pageUrl(page);
  std::optional<URL> root = manager.rootUrl();
  if (!file || !root) return false;
  webView.loadFileURL(withQuery(*file, query), *root);
  return true;
}

}  // namespace zephro
