#include "zephro/h5/load_h5_page.h"

#include "zephro/h5/h5_manager.h"

namespace zephro {

namespace {

constexpr double kPageLoadTimeoutSeconds = 60;

URL withQuery(const URL& page, const std::optional<std::string>& query) {
  if (!query) return page;
  return URL::parse(*query, page).value_or(page);
}

}  // namespace

platform::web::URLRequest pageRequest(const URL& url) {
  return {url, platform::web::CachePolicy::useProtocolCachePolicy, kPageLoadTimeoutSeconds};
}

void loadH5Page(platform::web::WebView& webView, const std::string& page, const std::optional<std::string>& query) {
  const H5Manager& manager = H5Manager::shared();
  if (manager.isDebug()) {
    std::optional<URL> address = manager.debugUrl(page);
    if (address) webView.loadRequest(pageRequest(withQuery(*address, query)));
    return;
  }
  std::optional<URL> file = manager.pageUrl(page);
  std::optional<URL> root = manager.rootUrl();
  if (!file || !root) return;
  webView.loadFileURL(withQuery(*file, query), *root);
}

}  // namespace zephro
