#include "zephro/scopes/view_stack_jsb.h"

#include <gtest/gtest.h>

#include "tests/support/kit_test.h"
#include "zephro/platform/foundation/notification_center.h"

namespace zephro {
namespace {

namespace ui = platform::ui;
using testing::KitTest;
using testing::postBridgeMessage;
using testing::responsesOf;
using ui::TransitionKind;
using Names = std::vector<std::string>;

// Pages call "window" from the top page screen of the host's stack.
class ViewStackJSBTest : public KitTest {
 protected:
  void pushPages(std::initializer_list<const char*> pages) {
    for (const char* page : pages)
      navigation->pushViewController(H5ContentViewController::make(page, std::nullopt), false);
    renderer->animated.clear();
  }
  void call(const std::string& method, const std::string& params = "") {
    std::string json = R"({"scope":"window","method":")" + method + '"';
    if (!params.empty()) json += R"(,"params":)" + params;
    json += R"(,"invokeId":1})";
    caller = topPage();
    ASSERT_TRUE(caller);
    ASSERT_TRUE(postBridgeMessage(*caller->webview(), json));
  }

  std::shared_ptr<H5ContentViewController> caller;
};

TEST_F(ViewStackJSBTest, PushOpensThePageWithEveryParameter) {
  pushPages({"A"});
  call("push", R"({"route":"detail","params":{"id":7}})");
  auto opened = topPage();
  EXPECT_EQ(stackNames(), (Names{"host", "A", "detail"}));
  EXPECT_EQ(opened->queryString(), "?id=7");
  ASSERT_TRUE(opened->params());
  EXPECT_EQ(opened->params()->size(), 2u);
  EXPECT_EQ(renderer->animated, (std::vector<TransitionKind>{TransitionKind::push}));
  EXPECT_TRUE(responsesOf(*caller->webview()).empty());
}

TEST_F(ViewStackJSBTest, PushNeedsARouteAndAnimatesUnlessAnimatedIsTheBooleanFalse) {
  pushPages({"A"});
  call("push", R"({"route":"B","animated":0})");
  call("push", R"({"route":"C","animated":false})");
  call("push", R"({"route":5})");  // no route: nothing
  EXPECT_EQ(stackNames(), (Names{"host", "A", "B", "C"}));
  EXPECT_EQ(renderer->animated, (std::vector<TransitionKind>{TransitionKind::push}));
}

TEST_F(ViewStackJSBTest, PopToARouteFindsTheLowestScreenAndAlwaysAnimates) {
  pushPages({"A", "B", "A"});
  call("pop", R"({"route":"A","animated":false,"step":5})");
  EXPECT_EQ(stackNames(), (Names{"host", "A"}));
  EXPECT_EQ(renderer->animated, (std::vector<TransitionKind>{TransitionKind::pop}));
}

TEST_F(ViewStackJSBTest, PopToAnUnknownRouteFallsBackToTheStep) {
  pushPages({"A", "B", "C"});
  call("popTo", R"({"route":"X","step":2})");
  EXPECT_EQ(stackNames(), (Names{"host", "A"}));
}

TEST_F(ViewStackJSBTest, PopWithoutParametersRemovesOneScreenAnimated) {
  pushPages({"A", "B"});
  call("pop");
  EXPECT_EQ(stackNames(), (Names{"host", "A"}));
  EXPECT_EQ(renderer->animated, (std::vector<TransitionKind>{TransitionKind::pop}));
}

TEST_F(ViewStackJSBTest, PopByStepFollowsTheAnimatedFlag) {
  pushPages({"A", "B", "C"});
  call("pop", R"({"step":1,"animated":false})");
  EXPECT_EQ(stackNames(), (Names{"host", "A", "B"}));
  EXPECT_TRUE(renderer->animated.empty());
  call("pop", R"({"step":2.5,"animated":false})");  // not an integer: one screen, animated
  EXPECT_EQ(stackNames(), (Names{"host", "A"}));
  EXPECT_EQ(renderer->animated, (std::vector<TransitionKind>{TransitionKind::pop}));
}

TEST_F(ViewStackJSBTest, TheRootsOwnChildIsNeverFoundByName) {
  auto root = openHome();  // shows "login" inside the root screen
  pushPages({"A", "B"});
  call("pop", R"({"route":"login","step":1})");
  EXPECT_EQ(stackNames(), (Names{"host", "root", "A"}));
}

TEST_F(ViewStackJSBTest, ReplacePostsTheRouteOnlyWhenItIsAText) {
  std::vector<std::string> routes;
  int marker = 0;
  auto& center = platform::foundation::NotificationCenter::defaultCenter();
  center.addObserver(&marker, kLoginStateChangedNotification, [&](const platform::foundation::Notification& n) {
    routes.push_back(std::any_cast<std::string>(n.object));
  });
  pushPages({"A"});
  call("replace", R"({"route":"native/tabbar"})");
  call("replace", R"({"route":7})");
  call("replace");
  center.removeObserver(&marker);
  EXPECT_EQ(routes, (Names{"native/tabbar"}));
}

TEST_F(ViewStackJSBTest, CallsFromAPageWhoseScreenIsGoneDoNothing) {
  pushPages({"A", "B"});
  auto orphan = H5ContentViewController::make("X", std::nullopt)->webview();
  ASSERT_TRUE(postBridgeMessage(*orphan, R"({"scope":"window","method":"pop","invokeId":1})"));
  ASSERT_TRUE(postBridgeMessage(*orphan, R"({"scope":"window","method":"push","params":{"route":"C"}})"));
  EXPECT_EQ(stackNames(), (Names{"host", "A", "B"}));
}

}  // namespace
}  // namespace zephro
