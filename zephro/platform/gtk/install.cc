#include "zephro/platform/gtk/install.h"

#include "zephro/platform/dispatch/main_loop.h"
#include "zephro/platform/gtk/capture/install_camera.h"
#include "zephro/platform/gtk/glib_main_loop.h"
#include "zephro/platform/gtk/gobject_ref.h"
#include "zephro/platform/gtk/gtk_renderer.h"
#include "zephro/platform/gtk/kit_style.h"
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

}  // namespace

void install(GtkApplication* application) {
  dispatch::setMainLoop(GlibMainLoop::make());
  ui::setRenderer(std::make_shared<GtkRenderer>());
  web::setEngineFactory(WebKitWebEngine::make);
  installCamera();
  setWindowApplication(application);
  adoptDisplayScale();
  installKitStyle();
}

}  // namespace zephro::platform::gtk
