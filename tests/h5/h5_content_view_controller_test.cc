#include "zephro/h5/h5_content_view_controller.h"

#include <gtest/gtest.h>

#include <thread>

#include "zephro/testing/kit_test.h"
#include "zephro/platform/foundation/notification_center.h"
#include "zephro/platform/ui/view.h"

namespace zephro {
namespace {

using platform::foundation::NotificationCenter;
using testing::KitTest;
using testing::postBridgeMessage;
using testing::responsesOf;
using testing::scriptsOf;
using testing::scriptsSince;
using Scripts = std::vector<std::string>;
using Params = H5ContentViewController::Params;

constexpr char kReload[] = "window.__eventBus.emit('reload', '')";

class PageScreenTest : public KitTest {
 protected:
  std::shared_ptr<H5ContentViewController> push(const std::string& page, std::optional<Params> params = {}) {
    auto screen = H5ContentViewController::make(page, std::move(params));
    navigation->pushViewController(screen, false);
    return screen;
  }
  static void postEvent(EventModel event) {
    NotificationCenter::defaultCenter().post(kJSBForwardEventNotification, std::move(event));
  }
  const Params withId{{"route", "detail"}, {"params", AnyCodable(PlainMap{{"id", std::int64_t{3}}})}};
};

TEST_F(PageScreenTest, LoadingTheViewSetsUpTheScreenAndLoadsThePageWithItsQuery) {
  auto screen = push("detail", withId);
  EXPECT_EQ(screen->queryString(), "?id=3");
  EXPECT_EQ(screen->navigationItem().backButtonTitle, "返回");
  EXPECT_TRUE(navigation->isNavigationBarHidden());
  EXPECT_EQ(screen->webview()->superview(), screen->view());
  EXPECT_EQ(screen->webview()->viewController().lock(), screen);
  EXPECT_EQ(testing::loadsOf(*screen->webview()).at(0).url.absoluteString(),
            "file://" + (bundle.path() / "dist/detail/index.html?id=3").string());
  EXPECT_EQ(navigation->interactivePopGestureRecognizer().delegate(), screen);
  EXPECT_TRUE(navigation->interactivePopGestureRecognizer().shouldBegin());
}

// Web addresses load directly, without the query, and need the bar to go back.
TEST_F(PageScreenTest, EachAppearanceSendsReloadAndAppliesTheBarRuleAgain) {
  auto lower = push("A");
  EXPECT_EQ(scriptsOf(*lower->webview()), Scripts{kReload});
  auto web = push("https://example.test/p", withId);
  EXPECT_FALSE(navigation->isNavigationBarHidden());
  auto loads = testing::loadsOf(*web->webview());
  ASSERT_EQ(loads.size(), 1u);
  EXPECT_EQ(loads[0].url.absoluteString(), "https://example.test/p");
  EXPECT_EQ(loads[0].timeoutInterval, 60);
  navigation->popViewController(false);
  EXPECT_TRUE(navigation->isNavigationBarHidden());
  EXPECT_EQ(scriptsOf(*lower->webview()), (Scripts{kReload, kReload}));
}

TEST_F(PageScreenTest, SenderAndReceiverDecideWhoGetsAnEvent) {
  // Sender, receiver, then whether pages A and B receive the event.
  const std::tuple<std::optional<std::string>, std::optional<std::string>, bool, bool> cases[] = {
      {std::nullopt, std::nullopt, true, true}, {std::nullopt, "", true, true},  {std::nullopt, "B", false, true},
      {"A", std::nullopt, false, true},         {"A", "A", false, false},        {std::nullopt, "Z", false, false}};
  auto a = push("A");
  auto b = push("B");
  const Scripts cart{"window.__eventBus.emit('cart', '2')"};
  for (const auto& [from, to, reachesA, reachesB] : cases) {
    std::size_t seenA = scriptsOf(*a->webview()).size(), seenB = scriptsOf(*b->webview()).size();
    postEvent(EventModel{"cart", "2", from, to});
    const std::string route = from.value_or("-") + " to " + to.value_or("-");
    EXPECT_EQ(scriptsSince(*a->webview(), seenA), reachesA ? cart : Scripts{}) << route;
    EXPECT_EQ(scriptsSince(*b->webview(), seenB), reachesB ? cart : Scripts{}) << route;
  }
}

TEST_F(PageScreenTest, EventTextsReachThePageExactlyAndCannotRunCode) {
  auto screen = push("A");
  std::size_t seen = scriptsOf(*screen->webview()).size();
  postEvent(EventModel{"device'Event", R"({"name":"it's","note":"a\"b\nc"})", {}, {}});
  postEvent(EventModel{"x", "'); alert(1); ('", {}, {}});
  EXPECT_EQ(scriptsSince(*screen->webview(), seen),
            (Scripts{R"(window.__eventBus.emit('device\'Event', '{"name":"it\'s","note":"a\\"b\\nc"}'))",
                     R"(window.__eventBus.emit('x', '\'); alert(1); (\''))"}));
}

// Events from a socket thread wait for the main thread, and a screen gone by
// then is left alone.
TEST_F(PageScreenTest, EventsPostedOffTheMainThreadArriveOnTheMainThread) {
  auto lower = push("A");
  std::weak_ptr<H5ContentViewController> upper = push("B");
  std::size_t seen = scriptsOf(*lower->webview()).size();
  std::thread([] { postEvent(EventModel{"deviceEvent", "{}", {}, {}}); }).join();
  EXPECT_TRUE(scriptsSince(*lower->webview(), seen).empty());
  navigation->popViewController(false);
  EXPECT_TRUE(upper.expired());
  ++seen;  // the reload on reappearing
  loop->drain();
  EXPECT_EQ(scriptsSince(*lower->webview(), seen), Scripts{"window.__eventBus.emit('deviceEvent', '{}')"});
}

// getPageParams answering the whole params runs on the real engine in
// tests/gtk/kit; pickImage parks its completion, unanswered.
TEST_F(PageScreenTest, PickImageParksItsCompletionByInvocationId) {
  auto screen = push("A");
  postBridgeMessage(*screen->webview(), R"({"scope":"currentPage","method":"pickImage"})");
  postBridgeMessage(*screen->webview(), R"({"scope":"currentPage","method":"pickImage","invokeId":9})");
  postBridgeMessage(*screen->webview(), R"({"scope":"currentPage","method":"other","invokeId":10})");
  ASSERT_EQ(screen->jsbCallbacks().size(), 1u);
  EXPECT_TRUE(screen->jsbCallbacks().count(9));
  EXPECT_TRUE(responsesOf(*screen->webview()).empty());
}

}  // namespace
}  // namespace zephro
