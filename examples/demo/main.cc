// zephro-demo: a GTK 4 host application that runs the whole kit on the sample
// page bundle. It fills the cloud configuration from its flags, installs a
// socket manager (a simulated cloud, or a real WebSocket), prepares the kit
// and opens its home screen above its own screen.
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include <glib-unix.h>
#include <gtk/gtk.h>

#include "debug_settings.h"
#include "demo_install_options.h"
#include "demo_options.h"
#include "host_screen.h"
#include "page_folder_bundle.h"
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
  platform::gtk::InstallOptions install;
  std::unique_ptr<demo::PageFolderBundle> pageFolder;
  std::shared_ptr<ui::Window> window;
  GtkApplication* application = nullptr;
  int status = 0;
};

// --pages: the kit's resource bundle, for this run, is a private one whose
// page bundle is the folder.
bool usePageFolder(Demo& demo, std::string& error) {
  std::filesystem::path kitBundle = demo.install.bundleDirectory;
  if (kitBundle.empty()) kitBundle = platform::foundation::Bundle::kit().bundlePath();
  demo.pageFolder = demo::PageFolderBundle::make(*demo.options.pagesFolder, kitBundle, error);
  if (demo.pageFolder) demo.install.bundleDirectory = demo.pageFolder->directory();
  return demo.pageFolder != nullptr;
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
  demo::storeDebugSettings(options);
  ZephroSdk4TolmarRunner::prepare();
  demo::announcePageSource(options);
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

// Ctrl-C and kill end the demo like closing its window, so that its private
// files go too.
gboolean quitOnSignal(gpointer application) {
  g_application_quit(G_APPLICATION(application));
  return G_SOURCE_CONTINUE;
}

void activate(GtkApplication* application, gpointer data) {
  auto* demo = static_cast<Demo*>(data);
  if (demo->window) return;
  platform::gtk::install(application, demo->install);
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
  demo.install = demo::installOptionsOf(*options);
  if (options->pagesFolder && !usePageFolder(demo, error)) {
    std::fprintf(stderr, "%s\n", error.c_str());
    return 2;
  }
  demo.application = gtk_application_new("org.zephro.Demo", G_APPLICATION_NON_UNIQUE);
  g_signal_connect(demo.application, "activate", G_CALLBACK(activate), &demo);
  for (int signal : {SIGINT, SIGTERM}) g_unix_signal_add(signal, quitOnSignal, demo.application);
  // GTK gets no flags of ours: the demo parsed them already.
  int status = g_application_run(G_APPLICATION(demo.application), 1, argv);
  demo.window.reset();
  g_object_unref(demo.application);
  return status != 0 ? status : demo.status;
}
