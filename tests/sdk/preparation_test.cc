#include <gtest/gtest.h>

#include "tests/support/kit_test.h"
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
using testing::KitTest;

struct DebugHostCase {
  const char* name;
  std::optional<std::string> stored;
  std::string debugHost;
};

class DebugHostTest : public KitTest, public ::testing::WithParamInterface<DebugHostCase> {};

TEST_P(DebugHostTest, AStoredHostGetsTheHttpSchemeWhenItHasNone) {
  if (GetParam().stored) UserDefaults::standard().set("h5DebugHost", *GetParam().stored);
  ZephroSdk4TolmarRunner::prepare();
  EXPECT_EQ(H5Manager::shared().debugHost(), GetParam().debugHost);
}

INSTANTIATE_TEST_SUITE_P(Hosts, DebugHostTest,
                         ::testing::Values(DebugHostCase{"BareAddress", "192.168.1.5:8080", "http://192.168.1.5:8080"},
                                           DebugHostCase{"Http", "http://dev:3000", "http://dev:3000"},
                                           DebugHostCase{"Https", "https://dev", "https://dev"},
                                           DebugHostCase{"UpperCaseScheme", "HTTP://dev", "http://HTTP://dev"},
                                           DebugHostCase{"NoneStored", std::nullopt, ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(KitTest, PrepareReadsTheDebugSwitchAndOverridesTheHostsChoice) {
  H5Manager::shared().setIsDebug(true);
  ZephroSdk4TolmarRunner::prepare();
  EXPECT_FALSE(H5Manager::shared().isDebug());
  UserDefaults::standard().set("h5IsDebug", true);
  ZephroSdk4TolmarRunner::prepare();
  EXPECT_TRUE(H5Manager::shared().isDebug());
}

TEST_F(KitTest, PrepareTwiceLeavesOneNewestHandlerPerScope) {
  H5Manager::shared().setBundlePath("elsewhere");
  auto before = JSBManager::shared().scopeMap();
  ZephroSdk4TolmarRunner::prepare();
  auto after = JSBManager::shared().scopeMap();
  EXPECT_EQ(H5Manager::shared().bundlePath(), "dist");
  for (const char* scope : {kViewStackScope, kEventForwarderScope, kAppScope}) {
    EXPECT_NE(after.at(scope), before.at(scope)) << scope;
  }
}

TEST_F(KitTest, OpenSdkHomePushesOnTheHostsNavigationAnimated) {
  ZephroSdk4TolmarRunner::openSdkHome(*host);
  EXPECT_EQ(stackNames(), (std::vector<std::string>{"host", "root"}));
  EXPECT_EQ(renderer->animated, std::vector<ui::TransitionKind>{ui::TransitionKind::push});
}

TEST_F(KitTest, OpenSdkHomePresentsANewNavigationStackFromAHostWithoutOne) {
  auto bare = ui::ViewController::make();
  window->setRootViewController(bare);
  ZephroSdk4TolmarRunner::openSdkHome(*bare);
  ZephroSdk4TolmarRunner::openSdkHome(*bare);  // already presenting: ignored by the platform
  auto presented = std::dynamic_pointer_cast<ui::NavigationController>(bare->presentedViewController());
  ASSERT_TRUE(presented);
  ASSERT_EQ(presented->viewControllers().size(), 1u);
  EXPECT_TRUE(std::dynamic_pointer_cast<ZPRootViewController>(presented->viewControllers()[0]));
  EXPECT_EQ(renderer->animated, std::vector<ui::TransitionKind>{ui::TransitionKind::present});
}

}  // namespace
}  // namespace zephro
