#include "zephro/testing/kit_reset.h"

#include "zephro/h5/h5_manager.h"
#include "zephro/platform/foundation/user_defaults.h"
#include "zephro/sdk/login_info_store.h"
#include "zephro/sdk/zephro_sdk4_tolmar_runner.h"

namespace zephro::testing {

void resetKit() {
  forgetLoginUserInfoCopy();
  ZephroSdk4TolmarRunner::setSocketManager(nullptr);
  H5Manager& manager = H5Manager::shared();
  manager.setIsDebug(false);
  manager.setDebugHost(H5ManagerDefaultDebugHost);
  manager.removeAllTrustedOrigins();
  platform::foundation::UserDefaults::resetStandardUserDefaults();
}

}  // namespace zephro::testing
