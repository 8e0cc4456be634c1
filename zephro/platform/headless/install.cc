#include "zephro/platform/headless/install.h"

#include <memory>

#include "zephro/platform/capture/device_provider.h"
#include "zephro/platform/dispatch/main_loop.h"
#include "zephro/platform/foundation/bundle.h"
#include "zephro/platform/foundation/user_defaults.h"
#include "zephro/platform/headless/headless_capture_device_provider.h"
#include "zephro/platform/headless/headless_main_loop.h"
#include "zephro/platform/headless/headless_web_engine.h"
#include "zephro/platform/web/web_view_engine.h"

namespace zephro::platform::headless {

void install(const InstallOptions& options) {
  dispatch::setDefaultMainLoop([] { return std::make_shared<HeadlessMainLoop>(); });
  web::setDefaultEngineFactory(HeadlessWebEngine::make);
  capture::setDefaultDeviceProvider([] { return std::make_shared<HeadlessCaptureDeviceProvider>(); });
  if (!options.bundleDirectory.empty()) foundation::Bundle::setKitBundlePath(options.bundleDirectory);
  if (!options.storePath.empty()) foundation::UserDefaults::setStandardStorePath(options.storePath);
}

}  // namespace zephro::platform::headless
