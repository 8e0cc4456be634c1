#include "zephro/testing/kit_harness.h"

#include "zephro/platform/foundation/user_defaults.h"
#include "zephro/sdk/login_info_store.h"
#include "zephro/sdk/zephro_sdk4_tolmar_runner.h"
#include "zephro/testing/kit_reset.h"
#include "zephro/testing/kit_screens.h"

namespace zephro::testing {

KitHarness::KitHarness() {
  resetKit();
  ZephroSdk4TolmarRunner::setSocketManager(socket);
  ZephroSdk4TolmarRunner::prepare();
  window->setRootViewController(navigation);
  window->makeKeyAndVisible();
  socket->log().clear();
}

KitHarness::~KitHarness() {
  window->setRootViewController(nullptr);
  resetKit();
  platform::ui::setRenderer(nullptr);
}

std::shared_ptr<ZPRootViewController> KitHarness::openHome() {
  ZephroSdk4TolmarRunner::openSdkHome(*host);
  return std::dynamic_pointer_cast<ZPRootViewController>(top());
}

void KitHarness::storeToken(const std::string& token) {
  platform::foundation::UserDefaults::standard().set(kLoginUserTokenKey, token);
}

std::shared_ptr<H5ContentViewController> KitHarness::topPage() const { return topPageOf(*navigation); }

std::vector<std::string> KitHarness::stackNames() const { return stackNamesOf(*navigation, host); }

}  // namespace zephro::testing
