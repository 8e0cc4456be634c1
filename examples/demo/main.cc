// zephro-demo: a GTK 4 host application that runs the whole kit on the sample
// page bundle. It fills the cloud configuration from its flags, installs a
// socket manager (a simulated cloud, or a real WebSocket), prepares the kit
// and opens its home screen above its own screen.
#include <cstdio>
#include <memory>
#include <string>

#include <gtk/gtk.h>

#include "demo_install_options.h"
#include "demo_options.h"
#include "host_screen.h"
#include "simulated_cloud.h"
#include "web_socket_client.h"
#include "zephro/platform/foundation/application.h"
#include "zephro/platform/foundation/bundle.h"
#include "zephro/platform/foundation/user_defaults.h"
#include "zephro/platform/gtk/install.h"
#include "zephro/platform/gtk/window_peer.h"
#include "zephro/platform/gtk/window_snapshot.h"
#include "zephro/platform/ui/navigation_controller.h"
#include "zephro/platform/ui/window.h"
#include "zephro/sdk/version.h"
#include "zephro/sdk/zephro_sdk4_tolmar_runner.h"

namespace {

using namespace zephro;
namespace ui = platform::ui;
using platform::foundation::UserDefaults;

struct Demo {
  demo::DemoOptions options;
  std::shared_ptr<ui::Window> window;
  GtkApplication* application = nullptr;
  int status = 0;
};

void storeDebugSettings(const demo::DemoOptions& options) {
  auto& store = UserDefaults::standard();
  if (options.reset) store.removeAll();
  if (options.debugHost) {
    store.set("h5DebugHost", *options.debugHost);
    store.set("h5IsDebug", true);
  }
}

void configureKit(const demo::DemoOptions& options) {
  platform::foundation::Bundle::main().setInfoDictionary({{"CFBundleShortVersionString", std::string(sdkVersion())}});
  auto& config = ZephroSdk4TolmarRunner::cloudConfig();
  config.setAppKey(options.appKey);
  config.setRegionId(options.regionId);
  config.setLanguage(options.language);
  config.setCountryCode(options.countryCode);
  config.setBaseURL(options.baseURL);
  if (options.socketUrl) {
    ZephroSdk4TolmarRunner::setSocketManager(std::make_shared<demo::WebSocketClient>(*options.socketUrl));
  } else {
    ZephroSdk4TolmarRunner::setSocketManager(std::make_shared<demo::SimulatedCloud>());
  }
  storeDebugSettings(options);
  ZephroSdk4TolmarRunner::prepare();
}

gboolean takeScreenshot(gpointer data) {
  auto* demo = static_cast<Demo*>(data);
  GtkWindow* window = platform::gtk::gtkWindowOf(*demo->window);
  const std::string& file = *demo->options.screenshot;
  if (window != nullptr && platform::gtk::saveWindowSnapshot(window, file)) {
    std::printf("screenshot saved to %s\n", file.c_str());
  } else {
    std::fprintf(stderr, "could not save a screenshot to %s\n", file.c_str());
    demo->status = 1;
  }
  g_application_quit(G_APPLICATION(demo->application));
  return G_SOURCE_REMOVE;
}

void activate(GtkApplication* application, gpointer data) {
  auto* demo = static_cast<Demo*>(data);
  if (demo->window) return;
  platform::gtk::install(application, demo::installOptionsOf(demo->options));
  configureKit(demo->options);

  auto host = demo::HostScreen::make();
  demo->window = ui::Window::make();
  demo->window->setRootViewController(ui::NavigationController::make(host));
  demo->window->makeKeyAndVisible();
  ZephroSdk4TolmarRunner::openSdkHome(*host);

  if (demo->options.screenshot) {
    auto delayMs = static_cast<guint>(demo->options.screenshotAfterSeconds * 1000);
    g_timeout_add(delayMs, takeScreenshot, demo);
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  auto options = demo::parseDemoOptions(argc, argv, error);
  if (!options) {
    std::fprintf(stderr, "%s\n%s", error.c_str(), demo::demoUsage());
    return 2;
  }
  if (options->help) {
    std::printf("%s", demo::demoUsage());
    return 0;
  }
  platform::foundation::setApplicationId("zephro-demo");

  Demo demo;
  demo.options = *options;
  demo.application = gtk_application_new("org.zephro.Demo", G_APPLICATION_NON_UNIQUE);
  g_signal_connect(demo.application, "activate", G_CALLBACK(activate), &demo);
  // GTK gets no flags of ours: the demo parsed them already.
  int status = g_application_run(G_APPLICATION(demo.application), 1, argv);
  demo.window.reset();
  g_object_unref(demo.application);
  return status != 0 ? status : demo.status;
}
