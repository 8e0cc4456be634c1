// The runner's preparation and home screen: the one place that puts every
// layer of the kit together.
#include <memory>
#include <optional>
#include <string>

#include "zephro/bridge/jsb_manager.h"
#include "zephro/h5/h5_manager.h"
#include "zephro/platform/foundation/user_defaults.h"
#include "zephro/platform/headless/install.h"
#include "zephro/platform/ui/navigation_controller.h"
#include "zephro/scopes/app_jsb.h"
#include "zephro/scopes/event_forwarder_jsb.h"
#include "zephro/scopes/view_stack_jsb.h"
#include "zephro/screens/zp_root_view_controller.h"
#include "zephro/sdk/zephro_sdk4_tolmar_runner.h"

namespace zephro {

namespace {

constexpr char kDefaultBundlePath[] = "dist";
constexpr char kDebugHostKey[] = "h5DebugHost";
constexpr char kIsDebugKey[] = "h5IsDebug";

// A stored host without a scheme ("192.168.1.5:8080") is plain HTTP; none
// stored means no debug host at all.
std::string debugHostFrom(const std::optional<std::string>& stored) {
  if (!stored) return {};
  return stored->rfind("http", 0) == 0 ? *stored : "http://" + *stored;
}

// In this order, replacing earlier ones.
void registerScopes() {
  JSBManager& scopes = JSBManager::shared();
  scopes.registerScope(std::make_shared<ViewStackJSB>(), kViewStackScope);
  scopes.registerScope(std::make_shared<EventForwarderJSB>(), kEventForwarderScope);
  scopes.registerScope(std::make_shared<AppJSB>(), kAppScope);
}

}  // namespace

void ZephroSdk4TolmarRunner::prepare() {
  // A host that installed no backend runs the kit headless.
  platform::headless::install();
  H5Manager& manager = H5Manager::shared();
  manager.setup(kDefaultBundlePath);
  registerScopes();
  platform::foundation::UserDefaults& defaults = platform::foundation::UserDefaults::standard();
  manager.setDebugHost(debugHostFrom(defaults.string(kDebugHostKey)));
  manager.setIsDebug(defaults.boolean(kIsDebugKey));
}

void ZephroSdk4TolmarRunner::openSdkHome(platform::ui::ViewController& host) {
  auto root = ZPRootViewController::make();
  if (auto navigation = host.navigationController()) {
    navigation->pushViewController(root, true);
  } else {
    host.present(platform::ui::NavigationController::make(root), true);
  }
}

}  // namespace zephro
