#include "tests/support/kit_fixture.h"

#include "tests/support/kit_screens.h"

#include "zephro/h5/h5_manager.h"
#include "zephro/platform/foundation/user_defaults.h"
#include "zephro/sdk/login_info_store.h"
#include "zephro/sdk/zephro_sdk4_tolmar_runner.h"

namespace zephro::testing {

namespace ui = platform::ui;

KitTest::KitTest() {
  forgetLoginUserInfoCopy();
  ZephroSdk4TolmarRunner::setSocketManager(socket);
  ZephroSdk4TolmarRunner::prepare();
  window->setRootViewController(navigation);
  window->makeKeyAndVisible();
  socket->log().clear();
}

KitTest::~KitTest() {
  window->setRootViewController(nullptr);
  ZephroSdk4TolmarRunner::setSocketManager(nullptr);
  forgetLoginUserInfoCopy();
  H5Manager& manager = H5Manager::shared();
  manager.setIsDebug(false);
  manager.setDebugHost(H5ManagerDefaultDebugHost);
  ui::setRenderer(nullptr);
}

std::shared_ptr<ZPRootViewController> KitTest::openHome() {
  ZephroSdk4TolmarRunner::openSdkHome(*host);
  return std::dynamic_pointer_cast<ZPRootViewController>(top());
}

void KitTest::storeToken(const std::string& token) {
  platform::foundation::UserDefaults::standard().set(kLoginUserTokenKey, token);
}

std::shared_ptr<H5ContentViewController> KitTest::topPage() const { return topPageOf(*navigation); }

std::vector<std::string> KitTest::stackNames() const { return stackNamesOf(*navigation, host); }

}  // namespace zephro::testing
