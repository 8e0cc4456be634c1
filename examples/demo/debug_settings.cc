#include "debug_settings.h"

#include <cstdio>

#include "zephro/h5/h5_manager.h"
#include "zephro/platform/foundation/user_defaults.h"

namespace zephro::demo {

namespace {

constexpr char kDebugHostKey[] = "h5DebugHost";
constexpr char kIsDebugKey[] = "h5IsDebug";

}  // namespace

void storeDebugSettings(const DemoOptions& options) {
  auto& store = platform::foundation::UserDefaults::standard();
  if (options.reset) store.removeAll();
  if (options.forgetDebugHost) {
    // Only the debug settings: the user stays logged in.
    store.remove(kDebugHostKey);
    store.remove(kIsDebugKey);
  }
  if (options.debugHost) {
    store.set(kDebugHostKey, *options.debugHost);
    store.set(kIsDebugKey, true);
  }
}

void announcePageSource(const DemoOptions& options) {
  H5Manager& manager = H5Manager::shared();
  if (options.pagesFolder) {
    manager.setIsDebug(false);
    std::printf("pages come from the folder %s\n", options.pagesFolder->c_str());
  } else if (options.forgetDebugHost) {
    std::printf("the debug host is forgotten: pages come from the page bundle\n");
  } else if (manager.isDebug()) {
    std::printf("pages come from the debug host %s, stored for later runs too "
                "(--no-debug-host goes back to the page bundle)\n",
                manager.debugHost().c_str());
  }
  std::fflush(stdout);
}

}  // namespace zephro::demo
