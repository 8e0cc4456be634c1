#include "zephro/platform/gtk/install.h"

#include "zephro/platform/dispatch/main_loop.h"
#include "zephro/platform/foundation/bundle.h"
#include "zephro/platform/foundation/user_defaults.h"
#include "zephro/platform/gtk/capture/camera_directory.h"
#include "zephro/platform/gtk/capture/install_camera.h"
#include "zephro/platform/gtk/glib_main_loop.h"
#include "zephro/platform/gtk/gobject_ref.h"
#include "zephro/platform/gtk/gtk_renderer.h"
#include "zephro/platform/gtk/kit_style.h"
#include "zephro/platform/gtk/web_context.h"
#include "zephro/platform/gtk/web_extension_directory.h"
#include "zephro/platform/gtk/webkit_web_engine.h"
#include "zephro/platform/gtk/window_peer.h"
#include "zephro/platform/ui/screen.h"

namespace zephro::platform::gtk {
namespace {

void adoptDisplayScale() {
  GdkDisplay* display = gdk_display_get_default();
  if (display == nullptr) return;
  GListModel* monitors = gdk_display_get_monitors(display);
  if (g_list_model_get_n_items(monitors) == 0) return;
  const auto monitor = GObjectRef<GdkMonitor>::adopt(GDK_MONITOR(g_list_model_get_item(monitors, 0)));
  ui::Screen::main().setScale(gdk_monitor_get_scale_factor(monitor.get()));
}

void applyWebOptions(const InstallOptions& options) {
  WebContext::shared().setWebExtensionDirectory(webExtensionDirectory(options.webExtensionDirectory));
  WebContext::shared().setWebProcessPerView(options.webProcessPerView);
}

}  // namespace

void install(GtkApplication* application, const InstallOptions& options) {
  if (!options.bundleDirectory.empty()) foundation::Bundle::setKitBundlePath(options.bundleDirectory);
  if (!options.storePath.empty()) foundation::UserDefaults::setStandardStorePath(options.storePath);
  applyWebOptions(options);
  if (options.camera) setHostCamera(options.camera);
  dispatch::setMainLoop(GlibMainLoop::make());
  ui::setRenderer(std::make_shared<GtkRenderer>());
  web::setEngineFactory(WebKitWebEngine::make);
  installCamera();
  setWindowApplication(application);
  adoptDisplayScale();
  installKitStyle();
}

}  // namespace zephro::platform::gtk
