#include <gtest/gtest.h>

#include "zephro/testing/kit_test.h"
#include "zephro/bridge/jsb_manager.h"
#include "zephro/h5/h5_manager.h"
#include "zephro/platform/foundation/user_defaults.h"
#include "zephro/scopes/app_jsb.h"
#include "zephro/scopes/event_forwarder_jsb.h"
#include "zephro/scopes/view_stack_jsb.h"
#include "zephro/sdk/zephro_sdk4_tolmar_runner.h"

namespace zephro {
namespace {

namespace ui = platform::ui;
using platform::foundation::UserDefaults;
using Kinds = std::vector<ui::TransitionKind>;

class PreparationTest : public testing::KitTest {};

// A stored host gets the http scheme when it has none; the switch overrides
// what the host chose.
TEST_F(PreparationTest, PrepareReadsTheDebugSettings) {
  const std::pair<std::optional<std::string>, std::string> hosts[] = {
      {"192.168.1.5:8080", "http://192.168.1.5:8080"}, {"http://dev:3000", "http://dev:3000"},
      {"https://dev", "https://dev"}, {"HTTP://dev", "http://HTTP://dev"}, {std::nullopt, ""}};
  for (const auto& [stored, debugHost] : hosts) {
    if (stored) UserDefaults::standard().set("h5DebugHost", *stored);
    if (!stored) UserDefaults::standard().remove("h5DebugHost");
    ZephroSdk4TolmarRunner::prepare();
    EXPECT_EQ(H5Manager::shared().debugHost(), debugHost);
  }
  H5Manager::shared().setIsDebug(true);
  ZephroSdk4TolmarRunner::prepare();
  EXPECT_FALSE(H5Manager::shared().isDebug());
  UserDefaults::standard().set("h5IsDebug", true);
  ZephroSdk4TolmarRunner::prepare();
  EXPECT_TRUE(H5Manager::shared().isDebug());
}

TEST_F(PreparationTest, PrepareAgainResetsTheBundlePathAndRegistersNewHandlers) {
  H5Manager::shared().setBundlePath("elsewhere");
  auto before = JSBManager::shared().scopeMap();
  ZephroSdk4TolmarRunner::prepare();
  auto after = JSBManager::shared().scopeMap();
  EXPECT_EQ(H5Manager::shared().bundlePath(), "dist");
  for (const char* scope : {kViewStackScope, kEventForwarderScope, kAppScope}) {
    EXPECT_NE(after.at(scope), before.at(scope)) << scope;
  }
}

TEST_F(PreparationTest, OpenSdkHomePushesOnTheHostsStackOrPresentsANewOne) {
  ZephroSdk4TolmarRunner::openSdkHome(*host);
  EXPECT_EQ(stackNames(), (std::vector<std::string>{"host", "root"}));
  EXPECT_EQ(renderer->animated, Kinds{ui::TransitionKind::push});

  auto bare = ui::ViewController::make();
  window->setRootViewController(bare);
  ZephroSdk4TolmarRunner::openSdkHome(*bare);
  ZephroSdk4TolmarRunner::openSdkHome(*bare);  // already presenting: ignored by the platform
  auto presented = std::dynamic_pointer_cast<ui::NavigationController>(bare->presentedViewController());
  ASSERT_TRUE(presented);
  ASSERT_EQ(presented->viewControllers().size(), 1u);
  EXPECT_TRUE(std::dynamic_pointer_cast<ZPRootViewController>(presented->viewControllers()[0]));
  EXPECT_EQ(renderer->animated, (Kinds{ui::TransitionKind::push, ui::TransitionKind::present}));
}

}  // namespace
}  // namespace zephro
