#pragma once

#include <webkit/webkit.h>

#include <cstdint>
#include <filesystem>
#include <map>

#include "zephro/platform/gtk/gobject_ref.h"
#include "zephro/platform/gtk/read_access_roots.h"
#include "zephro/platform/gtk/scheme_router.h"

namespace zephro::platform::gtk {

// The one WebKit context of the kit's web views: it loads the web-process
// extension, routes custom-scheme requests to their views and keeps all kit
// web views in one web process (each on its own would cost ~200 MB). A host
// may still give each view its own web process (setWebProcessPerView); the
// memory benchmark uses that as its baseline.
class WebContext {
 public:
  // Created on first use on the main thread; lives until the process ends.
  static WebContext& shared();

  WebContext(const WebContext&) = delete;
  WebContext& operator=(const WebContext&) = delete;

  WebKitWebContext* context() const { return context_.get(); }
  ReadAccessRoots& readAccessRoots() { return readAccessRoots_; }
  SchemeRouter& schemes() { return schemes_; }

  // Takes effect for web processes started afterwards: call it before the
  // first web view is made.
  void setWebExtensionDirectory(const std::filesystem::path& directory);
  // Takes effect for web views made afterwards.
  void setWebProcessPerView(bool perView) { processPerView_ = perView; }

  // A new web view with its own content manager and settings, related to a
  // live kit web view so that they share its web process (unless every view
  // gets its own, see above).
  GObjectRef<WebKitWebView> createWebView(WebKitUserContentManager* contentManager, WebKitSettings* settings);

 private:
  WebContext();
  void forgetView(GObject* view);

  GObjectRef<WebKitWebContext> context_;
  ReadAccessRoots readAccessRoots_;
  SchemeRouter schemes_;
  bool processPerView_ = false;
  // Live kit web views with their page ids, kept because a view being
  // finalised can no longer be asked for it.
  std::map<WebKitWebView*, std::uint64_t> liveViews_;
};

}  // namespace zephro::platform::gtk
