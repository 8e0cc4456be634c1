#include "zephro/scopes/view_stack_jsb.h"

#include <gtest/gtest.h>

#include "zephro/testing/kit_test.h"
#include "zephro/h5/h5_manager.h"
#include "zephro/platform/foundation/notification_center.h"

namespace zephro {
namespace {

using platform::ui::TransitionKind;
using Names = std::vector<std::string>;
using Kinds = std::vector<TransitionKind>;

// Pages call "window" from the top page screen of the host's stack; the
// scope navigates through H5ContentViewStack.
class ViewStackJSBTest : public testing::KitTest {
 protected:
  void pushPages(const Names& pages) {
    for (const std::string& page : pages) {
      navigation->pushViewController(H5ContentViewController::make(page, std::nullopt), false);
    }
    renderer->animated.clear();
  }
  void call(const std::string& method, const std::string& params = "") {
    caller = topPage();
    ASSERT_TRUE(caller);
    ASSERT_TRUE(testing::callBridge(*caller->webview(), "window", method, params, 1));
  }

  std::shared_ptr<H5ContentViewController> caller;
};

// Push animates unless "animated" is the Boolean false, and needs a text route.
TEST_F(ViewStackJSBTest, PushOpensThePageWithEveryParameter) {
  pushPages({"A"});
  call("push", R"({"route":"detail","params":{"id":7}})");
  EXPECT_TRUE(testing::responsesOf(*caller->webview()).empty());
  call("push", R"({"route":"B","animated":0})");
  call("push", R"({"route":"C","animated":false})");
  call("push", R"({"route":5})");
  EXPECT_EQ(stackNames(), (Names{"host", "A", "detail", "B", "C"}));
  EXPECT_EQ(renderer->animated, (Kinds{TransitionKind::push, TransitionKind::push}));
  auto detail = std::dynamic_pointer_cast<H5ContentViewController>(navigation->viewControllers()[2]);
  EXPECT_EQ(detail->queryString(), "?id=7");
  ASSERT_TRUE(detail->params());
  EXPECT_EQ(detail->params()->size(), 2u);
}

TEST_F(ViewStackJSBTest, PopGoesBackToTheLowestScreenOfARouteOrByStep) {
  // Pages, method, params, then the stack and the transitions that follow.
  const std::tuple<Names, const char*, const char*, Names, Kinds> cases[] = {
      {{"A", "B", "A"}, "pop", R"({"route":"A","animated":false,"step":5})", {"host", "A"}, {TransitionKind::pop}},
      {{"A", "B", "C"}, "popTo", R"({"route":"X","step":2})", {"host", "A"}, {TransitionKind::pop}},
      {{"A", "B"}, "pop", "", {"host", "A"}, {TransitionKind::pop}},
      {{"A", "B", "C"}, "pop", R"({"step":1,"animated":false})", {"host", "A", "B"}, {}},
      {{"A", "B", "C"}, "pop", R"({"step":2.5,"animated":false})", {"host", "A", "B"}, {TransitionKind::pop}},
      // The step counts screens from the top, either sign, never all of them.
      {{"A", "B"}, "pop", R"({"step":0,"animated":false})", {"host", "A"}, {}},
      {{"A", "B"}, "pop", R"({"step":-2,"animated":false})", {"host"}, {}},
      {{"A", "B"}, "pop", R"({"step":3})", {"host", "A", "B"}, {}},
      {{"A", "B"}, "pop", R"({"step":9223372036854775807})", {"host", "A", "B"}, {}},
      {{"A", "B"}, "pop", R"({"step":-9223372036854775808})", {"host", "A", "B"}, {}}};
  for (const auto& [pages, method, params, stack, kinds] : cases) {
    navigation->setViewControllers({host}, false);
    pushPages(pages);
    call(method, params);
    EXPECT_EQ(stackNames(), stack) << method << params;
    EXPECT_EQ(renderer->animated, kinds) << method << params;
  }
}

TEST_F(ViewStackJSBTest, WithoutANavigationControllerPagesArePresentedAndPopDismisses) {
  auto alone = H5ContentViewController::make("A", std::nullopt);
  window->setRootViewController(alone);
  ASSERT_TRUE(
      testing::postBridgeMessage(*alone->webview(), R"({"scope":"window","method":"push","params":{"route":"B"}})"));
  auto presented = std::dynamic_pointer_cast<H5ContentViewController>(alone->presentedViewController());
  ASSERT_TRUE(presented);
  EXPECT_EQ(presented->pageName(), "B");
  ASSERT_TRUE(
      testing::postBridgeMessage(*presented->webview(), R"({"scope":"window","method":"pop","params":{"step":5}})"));
  EXPECT_EQ(alone->presentedViewController(), nullptr);
  EXPECT_EQ(renderer->animated, (Kinds{TransitionKind::present, TransitionKind::dismiss}));
}

TEST_F(ViewStackJSBTest, TheRootsOwnChildIsNeverFoundByName) {
  openHome();  // shows "login" inside the root screen
  pushPages({"A", "B"});
  call("pop", R"({"route":"login","step":1})");
  EXPECT_EQ(stackNames(), (Names{"host", "root", "A"}));
}

TEST_F(ViewStackJSBTest, ReplacePostsTheRouteOnlyWhenItIsAText) {
  Names routes;
  auto& center = platform::foundation::NotificationCenter::defaultCenter();
  center.addObserver(&routes, kLoginStateChangedNotification, [&](const platform::foundation::Notification& n) {
    routes.push_back(std::any_cast<std::string>(n.object));
  });
  pushPages({"A"});
  call("replace", R"({"route":"native/tabbar"})");
  call("replace", R"({"route":7})");
  call("replace");
  center.removeObserver(&routes);
  EXPECT_EQ(routes, (Names{"native/tabbar"}));
}

TEST_F(ViewStackJSBTest, CallsFromAPageWhoseScreenIsGoneDoNothing) {
  pushPages({"A", "B"});
  auto orphan = H5ContentViewController::make("X", std::nullopt)->webview();
  orphan->loadFileURL(*H5Manager::shared().pageUrl("A"), *H5Manager::shared().rootUrl());
  ASSERT_TRUE(testing::postBridgeMessage(*orphan, R"({"scope":"window","method":"pop","invokeId":1})"));
  ASSERT_TRUE(testing::postBridgeMessage(*orphan, R"({"scope":"window","method":"push","params":{"route":"C"}})"));
  EXPECT_EQ(stackNames(), (Names{"host", "A", "B"}));
}

}  // namespace
}  // namespace zephro
