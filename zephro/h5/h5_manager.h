// Where pages come from: the page bundle directory inside the kit's resource
// bundle, or a development server in debug mode.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "zephro/platform/foundation/url.h"

namespace zephro {

class H5ContentViewStack;
class H5ContentWebView;

// The default page bundle directory, used verbatim (it is never decoded).
inline constexpr char H5ManagerDefaultDocumentDirectory[] = "aDVjb250ZW50";
// A development server on the loopback interface; preparation replaces it.
inline constexpr char H5ManagerDefaultDebugHost[] = "http://127.0.0.1:8080";

class H5Manager {
 public:
  // The one instance, made on first use with the defaults.
  static H5Manager& shared();

  // Relative path of the page bundle inside the kit's resource bundle.
  const std::string& bundlePath() const { return bundlePath_; }
  void setBundlePath(std::string bundlePath) { bundlePath_ = std::move(bundlePath); }
  // Stores `bundlePath` and makes sure the web view provider exists.
  void setup(const std::string& bundlePath);

  bool isDebug() const { return isDebug_; }
  void setIsDebug(bool isDebug) { isDebug_ = isDebug; }
  const std::string& debugHost() const { return debugHost_; }
  void setDebugHost(std::string host) { debugHost_ = std::move(host); }
  // The same as setDebugHost: stored unchanged, not validated.
  void setupDebug(const std::string& host) { setDebugHost(host); }

  // Trusts the pages of `origin` ("https://h5.example.com", a port may
  // follow the host) like the bundle's: they get the start-up globals and the
  // bridge (zephro/h5/trusted_pages.h), from the next web view made on. For
  // hosts that serve some pages from their own servers. False, trusting
  // nothing, for a text that is not an http or https origin (a path other
  // than "/", a query or a fragment included).
  bool addTrustedOrigin(std::string_view origin);
  // Those added, as "scheme://host:port", lower-cased, in the order added.
  const std::vector<std::string>& trustedOrigins() const { return trustedOrigins_; }
  // Forgets every origin added: their pages' next messages are refused, and
  // web views made from now on give them no globals.
  void removeAllTrustedOrigins() { trustedOrigins_.clear(); }

  // debugHost + "/" + page + "/index.html" joined as plain text; absent when
  // that is not a URL reference.
  std::optional<URL> debugUrl(const std::string& page) const;
  // The page's "index.html" in the page bundle; absent when it does not
  // exist or the page name climbs out of the bundle ("..").
  std::optional<URL> pageUrl(const std::string& page) const;
  // The page bundle directory (existing or not): every page may read below it.
  std::optional<URL> rootUrl() const;
  // The URL pattern of every file below rootUrl().
  const std::string& rootPattern() const;

  // A new content web view bound (weakly) to the page screen that shows it.
  std::shared_ptr<H5ContentWebView> webview(const std::shared_ptr<H5ContentViewStack>& viewController) const;

 private:
  // Hands the provider the kit's pages as its trusted documents.
  H5Manager();

  std::string bundlePath_ = H5ManagerDefaultDocumentDirectory;
  bool isDebug_ = false;
  std::string debugHost_ = H5ManagerDefaultDebugHost;
  std::vector<std::string> trustedOrigins_;
  // rootUrl and what it was made from: its pattern is asked for every bridge
  // message.
  struct Root {
    std::uint64_t kitPathChanges;  // the kit bundle's, when this was made
    bool madeFromAbsolutePath;
    std::filesystem::path directory;
    std::string bundlePath;
    URL url;
    std::string pattern;
  };
  const Root& currentRoot() const;
  mutable std::optional<Root> root_;
};

}  // namespace zephro
