#include "zephro/platform/headless/install.h"

#include <gtest/gtest.h>

#include <functional>

#include "zephro/testing/scratch_directory.h"
#include "zephro/platform/capture/device_provider.h"
#include "zephro/platform/dispatch/main_loop.h"
#include "zephro/platform/foundation/bundle.h"
#include "zephro/platform/foundation/user_defaults.h"
#include "zephro/platform/web/web_view.h"
#include "zephro/platform/web/web_view_engine.h"

namespace zephro::platform {
namespace {

// Without a backend the model has nothing to stand in: each hook stops the
// program and names what is missing, instead of running on a null object.
TEST(MissingBackendDeathTest, EachHookNamesWhatIsMissing) {
  const std::pair<const char*, std::function<void()>> cases[] = {
      {"no main loop", [] {
         dispatch::setDefaultMainLoop({});
         dispatch::setMainLoop(nullptr);
       }},
      {"no web engine", [] {
         web::setDefaultEngineFactory({});
         web::WebView::make(ui::Rect::zero(), web::WebViewConfiguration::make())->evaluateJavaScript("1");
       }},
      {"no capture device provider", [] {
         capture::setDefaultDeviceProvider({});
         capture::setDeviceProvider(nullptr);
         capture::deviceProvider();
       }},
  };
  for (const auto& [message, step] : cases) EXPECT_DEATH(step(), message);
}

// The options say where the kit's data is; a later install without them (the
// GTK backend's, or a test's) keeps that choice.
TEST(HeadlessInstall, OptionsChooseTheBundleAndStore) {
  using foundation::Bundle;
  using foundation::UserDefaults;
  testing::ScratchDirectory data;
  headless::install({data / "bundle", data / "store.sqlite3"});
  headless::install();
  EXPECT_EQ(Bundle::kit().bundlePath(), data / "bundle");
  EXPECT_EQ(UserDefaults::standardStorePath(), data / "store.sqlite3");
  Bundle::setKitBundlePath({});
  UserDefaults::setStandardStorePath({});
}

}  // namespace
}  // namespace zephro::platform
