#include "zephro/h5/trusted_pages.h"

#include <algorithm>
#include <vector>

#include "zephro/h5/h5_manager.h"

namespace zephro {

namespace {

namespace web = platform::web;

// "scheme://host:port" gives "scheme://host/*".
std::string patternForOrigin(const std::string& origin) { return origin.substr(0, origin.rfind(':')) + "/*"; }

// The origins whose pages are trusted now, as "scheme://host:port".
std::vector<std::string> trustedOrigins() {
  const H5Manager& manager = H5Manager::shared();
  std::vector<std::string> origins = manager.trustedOrigins();
  if (manager.isDebug()) {
    // Like an added origin, the debug host counts only as a web server: a
    // file address there would trust every local file.
    auto debug = web::originOf(manager.debugHost());
    if (debug && (debug->starts_with("http://") || debug->starts_with("https://"))) origins.push_back(*debug);
  }
  return origins;
}

// A page sends its messages from one address: the verdict on it is kept
// while the bundle's pattern stays the same.
bool isInBundle(const std::string& address) {
  struct Verdict {
    std::string address;
    std::string pattern;
    bool trusted = false;
  };
  thread_local Verdict last;
  const std::string& pattern = H5Manager::shared().rootPattern();
  if (address != last.address || pattern != last.pattern) {
    last = {address, pattern, web::matchesURLPattern(pattern, address)};
  }
  return last.trusted;
}

}  // namespace

web::DocumentFilter trustedPageFilter() {
  web::DocumentFilter filter;
  filter.allowList.push_back(H5Manager::shared().rootPattern());
  for (const std::string& origin : trustedOrigins()) filter.allowList.push_back(patternForOrigin(origin));
  return filter;
}

// Asked for every bridge message: a file, the usual case, is matched against
// the bundle's pattern alone.
bool isTrustedPage(const std::optional<URL>& document) {
  if (!document) return false;
  const std::string& address = document->absoluteString();
  if (document->isFileURL()) return isInBundle(address);
  if (!trustedPageFilter().matches(address)) return false;
  const std::optional<std::string> origin = web::originOf(address);
  const std::vector<std::string> origins = trustedOrigins();
  return origin && std::find(origins.begin(), origins.end(), *origin) != origins.end();
}

std::shared_ptr<TrustedDocuments> trustedPages() {
  class TrustedPages : public TrustedDocuments {
   public:
    web::DocumentFilter filter() const override { return trustedPageFilter(); }
    bool isTrusted(const std::optional<URL>& document) const override { return isTrustedPage(document); }
  };
  return std::make_shared<TrustedPages>();
}

}  // namespace zephro
