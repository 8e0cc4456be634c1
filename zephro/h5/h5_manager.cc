#include "zephro/h5/h5_manager.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "zephro/bridge/h5_content_web_view.h"
#include "zephro/bridge/web_view_provider.h"
#include "zephro/h5/h5_content_view_stack.h"
#include "zephro/h5/page_path.h"
#include "zephro/h5/trusted_pages.h"
#include "zephro/platform/foundation/bundle.h"
#include "zephro/platform/web/url_pattern.h"

namespace zephro {

using platform::foundation::Bundle;

H5Manager& H5Manager::shared() {
  static H5Manager* manager = new H5Manager;  // lives until the process ends
  return *manager;
}

// From its first use on, the provider gives the globals and the bridge to the
// kit's pages alone.
H5Manager::H5Manager() { WebViewProvider::shared().setTrustedDocuments(trustedPages()); }

void H5Manager::setup(const std::string& bundlePath) {
  setBundlePath(bundlePath);
  WebViewProvider::shared();
}

bool H5Manager::addTrustedOrigin(std::string_view origin) {
  const std::optional<URL> url = URL::parse(origin);
  if (!url || (url->scheme() != "http" && url->scheme() != "https")) return false;
  if ((!url->path().empty() && url->path() != "/") || url->query() || url->fragment()) return false;
  std::optional<std::string> normal = platform::web::originOf(url->absoluteString());
  if (!normal) return false;
  if (std::find(trustedOrigins_.begin(), trustedOrigins_.end(), *normal) == trustedOrigins_.end()) {
    trustedOrigins_.push_back(std::move(*normal));
  }
  return true;
}

std::optional<URL> H5Manager::debugUrl(const std::string& page) const {
  return URL::parse(debugHost_ + "/" + page + "/index.html");
}

std::optional<URL> H5Manager::pageUrl(const std::string& page) const {
  if (climbsOutOfBundle(page)) return std::nullopt;
  return Bundle::kit().urlForResource("index", "html", appendingPathComponent(bundlePath_, page));
}

// Made again only when the kit's bundle directory or the bundle path changed.
// While the kit bundle's path is absolute and not set again, it is not even
// asked for; a relative one is made absolute each time, as the working
// directory may have moved.
const H5Manager::Root& H5Manager::currentRoot() const {
  const std::uint64_t kitPathChanges = Bundle::kitBundlePathChanges();
  if (root_ && root_->madeFromAbsolutePath && root_->kitPathChanges == kitPathChanges &&
      root_->bundlePath == bundlePath_) {
    return *root_;
  }
  const std::filesystem::path given = Bundle::kit().bundlePath();
  std::error_code error;
  std::filesystem::path directory = std::filesystem::absolute(given, error);
  if (error) directory = given;
  if (!root_ || root_->directory != directory || root_->bundlePath != bundlePath_) {
    URL url = URL::fileURL(directory, true).appendingPathComponent(bundlePath_);
    std::string pattern = url.absoluteString();
    if (!pattern.ends_with("/")) pattern += '/';
    root_ = Root{0, false, std::move(directory), bundlePath_, std::move(url), pattern + "*"};
  }
  root_->kitPathChanges = kitPathChanges;
  root_->madeFromAbsolutePath = given.is_absolute();
  return *root_;
}

std::optional<URL> H5Manager::rootUrl() const { return currentRoot().url; }

const std::string& H5Manager::rootPattern() const { return currentRoot().pattern; }

std::shared_ptr<H5ContentWebView> H5Manager::webview(const std::shared_ptr<H5ContentViewStack>& viewController) const {
  std::shared_ptr<H5ContentWebView> webView = WebViewProvider::shared().createWebView();
  webView->setViewController(viewController);
  return webView;
}

}  // namespace zephro
