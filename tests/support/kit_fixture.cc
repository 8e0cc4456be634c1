#include "tests/support/kit_fixture.h"

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

std::shared_ptr<H5ContentViewController> KitTest::topPage() const {
  std::shared_ptr<ui::ViewController> screen = top();
  if (auto root = std::dynamic_pointer_cast<ZPRootViewController>(screen)) screen = root->child();
  return std::dynamic_pointer_cast<H5ContentViewController>(screen);
}

std::vector<std::string> KitTest::stackNames() const {
  std::vector<std::string> names;
  for (const auto& screen : navigation->viewControllers()) {
    if (screen == host) {
      names.push_back("host");
    } else if (std::dynamic_pointer_cast<ZPRootViewController>(screen)) {
      names.push_back("root");
    } else if (auto page = std::dynamic_pointer_cast<H5ContentViewController>(screen)) {
      names.push_back(page->pageName());
    } else {
      names.push_back("other");
    }
  }
  return names;
}

}  // namespace zephro::testing
