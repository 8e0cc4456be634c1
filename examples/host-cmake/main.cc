// The smallest GTK host of the kit: installs the GTK backend, prepares the kit
// and opens its home page above the host's own screen.
//   zephro-host-example [--screenshot FILE]
// With --screenshot it saves the window after a few seconds and quits, which
// is how CI sees the page shown.
#include <gtk/gtk.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "zephro/platform/gtk/install.h"
#include "zephro/platform/gtk/window_snapshot.h"
#include "zephro/platform/ui/navigation_controller.h"
#include "zephro/platform/ui/view_controller.h"
#include "zephro/platform/ui/window.h"
#include "zephro/sdk/zephro_sdk4_tolmar_runner.h"

namespace {

namespace ui = zephro::platform::ui;
using zephro::ZephroSdk4TolmarRunner;

struct Host {
  GtkApplication* application = nullptr;
  std::shared_ptr<ui::Window> window;
  std::string screenshot;
  int status = 0;
};

gboolean saveScreenshot(gpointer data) {
  auto* host = static_cast<Host*>(data);
  GtkWindow* window = gtk_application_get_active_window(host->application);
  if (window == nullptr || !zephro::platform::gtk::saveWindowSnapshot(window, host->screenshot)) {
    std::fprintf(stderr, "no screenshot saved\n");
    host->status = 1;
  }
  g_application_quit(G_APPLICATION(host->application));
  return G_SOURCE_REMOVE;
}

void activate(GtkApplication* application, gpointer data) {
  auto* host = static_cast<Host*>(data);
  if (host->window) return;
  zephro::platform::gtk::install(application);
  ZephroSdk4TolmarRunner::cloudConfig().setAppKey("example");
  ZephroSdk4TolmarRunner::prepare();

  auto hostScreen = ui::ViewController::make();
  host->window = ui::Window::make();
  host->window->setRootViewController(ui::NavigationController::make(hostScreen));
  host->window->makeKeyAndVisible();
  ZephroSdk4TolmarRunner::openSdkHome(*hostScreen);
  if (!host->screenshot.empty()) g_timeout_add_seconds(5, saveScreenshot, host);
}

}  // namespace

int main(int argc, char** argv) {
  Host host;
  if (argc == 3 && std::strcmp(argv[1], "--screenshot") == 0) host.screenshot = argv[2];
  host.application = gtk_application_new("org.example.ZephroHost", G_APPLICATION_NON_UNIQUE);
  g_signal_connect(host.application, "activate", G_CALLBACK(activate), &host);
  const int status = g_application_run(G_APPLICATION(host.application), 1, argv);
  host.window.reset();
  g_object_unref(host.application);
  return status != 0 ? status : host.status;
}
