#include "lights_scope.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "zephro/bridge/jsb_manager.h"
#include "zephro/h5/h5_content_view_controller.h"
#include "zephro/testing/kit_test.h"
#include "zephro/testing/page_driver.h"

namespace {

// A page screen on the host's stack calls "lights".
class LightsScopeTest : public zephro::testing::KitTest {
 protected:
  LightsScopeTest() {
    zephro::JSBManager::shared().registerScope(std::make_shared<LightsScope>(), "lights");
    navigation->pushViewController(page, false);
  }

  std::optional<std::string> call(const std::string& method, const std::string& params, int invokeId) {
    zephro::testing::callBridge(*page->webview(), "lights", method, params, invokeId);
    return zephro::testing::answerTo(*page->webview(), invokeId);
  }

  std::shared_ptr<zephro::H5ContentViewController> page = zephro::H5ContentViewController::make("home", std::nullopt);
};

TEST_F(LightsScopeTest, KeepsTheLevelAPageSets) {
  EXPECT_EQ(call("setLevel", R"({"level":3})", 1), R"({"responseBody":{"level":3},"success":true})");
  EXPECT_EQ(call("getLevel", "", 2), R"({"responseBody":{"level":3},"success":true})");
}

TEST_F(LightsScopeTest, RefusesLevelsOutOfRangeAndKeepsTheOldOne) {
  int invokeId = 0;
  for (const char* params : {R"({"level":11})", R"({"level":-1})", R"({"level":"3"})", ""}) {
    EXPECT_EQ(call("setLevel", params, ++invokeId), R"({"success":false})") << params;
  }
  EXPECT_EQ(call("getLevel", "", ++invokeId), R"({"responseBody":{"level":0},"success":true})");
}

TEST_F(LightsScopeTest, LeavesOtherMethodsUnanswered) {
  EXPECT_EQ(call("dim", "", 1), std::nullopt);
}

}  // namespace
