#include "bench/gtk/kit_host.h"

#include "tests/gtk/support/install_options_from_environment.h"
#include "tests/gtk/support/main_loop_spin.h"
#include "tests/gtk/support/webkit_view.h"
#include "zephro/platform/foundation/bundle.h"
#include "zephro/platform/gtk/install.h"
#include "zephro/platform/ui/navigation_controller.h"
#include "zephro/sdk/version.h"
#include "zephro/sdk/zephro_sdk4_tolmar_runner.h"

namespace zephro::bench::gtk {

namespace ui = platform::ui;
using namespace testing::gtk;

void prepareKit(const std::filesystem::path& store) {
  auto options = installOptionsFromEnvironment();
  options.storePath = store;
  platform::gtk::install(nullptr, options);
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

std::shared_ptr<ZPRootViewController> awaitRootChild() {
  std::shared_ptr<ZPRootViewController> root;
  spinUntil([&root] {
    root = ZPRootViewController::current();
    return root && root->child();
  });
  if (!root || !root->child()) return nullptr;
  auto page = pageScreen(root->child());
  return !page || pageLoaded(page) ? root : nullptr;
}

std::shared_ptr<H5ContentViewController> pageScreen(const std::shared_ptr<ui::ViewController>& screen) {
  return std::dynamic_pointer_cast<H5ContentViewController>(screen);
}

bool pageLoaded(const std::shared_ptr<H5ContentViewController>& page) {
  return page && awaitLoaded(webKitViewOf(*page->webview()));
}

std::shared_ptr<H5ContentViewController> pushPage(H5ContentViewController& from, const std::string& page,
                                                  bool animated) {
  from.navigateTo(page, std::nullopt, animated);
  auto navigation = from.navigationController();
  auto pushed = navigation ? pageScreen(navigation->viewControllers().back()) : nullptr;
  return pageLoaded(pushed) ? pushed : nullptr;
}

}  // namespace zephro::bench::gtk
