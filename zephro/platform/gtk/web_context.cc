#include "zephro/platform/gtk/web_context.h"

#include "zephro/platform/gtk/callback_trampoline.h"
#include "zephro/platform/gtk/web_extension_directory.h"

namespace zephro::platform::gtk {
namespace {

GObjectRef<WebKitWebContext> makeContext() {
  auto context = GObjectRef<WebKitWebContext>::adopt(webkit_web_context_new());
  webkit_web_context_set_web_process_extensions_directory(context.get(), webExtensionDirectory().c_str());
  return context;
}

}  // namespace

WebContext& WebContext::shared() {
  static auto* instance = new WebContext();
  return *instance;
}

WebContext::WebContext()
    : context_(makeContext()),
      readAccessRoots_(context_.get()),
      schemes_(context_.get()) {}

void WebContext::setWebExtensionDirectory(const std::filesystem::path& directory) {
  webkit_web_context_set_web_process_extensions_directory(context_.get(), directory.c_str());
}

GObjectRef<WebKitWebView> WebContext::createWebView(WebKitUserContentManager* contentManager,
                                                    WebKitSettings* settings) {
  // A related view shares the web context, network session and web process.
  gpointer view = liveViews_.empty() || processPerView_
                      ? g_object_new(WEBKIT_TYPE_WEB_VIEW, "web-context", context_.get(), "user-content-manager",
                                     contentManager, "settings", settings, nullptr)
                      : g_object_new(WEBKIT_TYPE_WEB_VIEW, "related-view", liveViews_.begin()->first,
                                     "user-content-manager", contentManager, "settings", settings, nullptr);
  liveViews_.emplace(WEBKIT_WEB_VIEW(view), webkit_web_view_get_page_id(WEBKIT_WEB_VIEW(view)));
  using Finalized = Trampoline<void(GObject*)>;
  g_object_weak_ref(G_OBJECT(view), Finalized::callOnceDataFirst,
                    Finalized::own([this](GObject* finalized) { forgetView(finalized); }));
  return GObjectRef<WebKitWebView>::sink(WEBKIT_WEB_VIEW(view));
}

void WebContext::forgetView(GObject* view) {
  // The view is mid-finalisation: only its address may be used.
  auto* webView = reinterpret_cast<WebKitWebView*>(view);
  const auto live = liveViews_.find(webView);
  if (live == liveViews_.end()) return;
  readAccessRoots_.forget(live->second);
  schemes_.removeHandler(webView);
  liveViews_.erase(live);
}

}  // namespace zephro::platform::gtk
