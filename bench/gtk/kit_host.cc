#include "bench/gtk/kit_host.h"

#include <string>

#include "zephro/platform/foundation/bundle.h"
#include "zephro/platform/foundation/user_defaults.h"
#include "zephro/platform/gtk/install.h"
#include "zephro/platform/ui/navigation_controller.h"
#include "zephro/sdk/version.h"
#include "zephro/sdk/zephro_sdk4_tolmar_runner.h"

namespace zephro::bench::gtk {

namespace ui = platform::ui;

void prepareKit(const std::filesystem::path& store) {
  platform::gtk::install();
  platform::foundation::UserDefaults::setStandardStorePath(store);
  platform::foundation::Bundle::main().setInfoDictionary({{"CFBundleShortVersionString", std::string(sdkVersion())}});
  ZephroCloudConfig& config = ZephroSdk4TolmarRunner::cloudConfig();
  config.setAppKey("bench-app-key");
  config.setRegionId("CN");
  config.setLanguage("zh");
  config.setCountryCode("86");
  config.setBaseURL("https://cloud.example.invalid");
  ZephroSdk4TolmarRunner::prepare();
}

HostWindow openKitHome() {
  HostWindow host{ui::Window::make(), ui::ViewController::make()};
  host.window->setRootViewController(ui::NavigationController::make(host.hostScreen));
  host.window->makeKeyAndVisible();
  ZephroSdk4TolmarRunner::openSdkHome(*host.hostScreen);
  return host;
}

}  // namespace zephro::bench::gtk
