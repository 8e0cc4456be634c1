#include "zephro/h5/h5_content_view_controller.h"

#include <gtest/gtest.h>

#include <thread>

#include "tests/support/kit_test.h"
#include "zephro/platform/foundation/notification_center.h"
#include "zephro/platform/ui/navigation_controller.h"
#include "zephro/platform/ui/view.h"

namespace zephro {
namespace {

using platform::foundation::NotificationCenter;
using testing::KitTest;
using testing::loadedURL;
using testing::postBridgeMessage;
using testing::responsesOf;
using testing::scriptsOf;
using testing::scriptsSince;
namespace ui = platform::ui;

constexpr char kReload[] = "window.__eventBus.emit('reload', '')";

class PageScreenTest : public KitTest {
 protected:
  std::shared_ptr<H5ContentViewController> push(const std::string& page,
                                                std::optional<H5ContentViewController::Params> params = {}) {
    auto screen = H5ContentViewController::make(page, std::move(params));
    navigation->pushViewController(screen, false);
    return screen;
  }
  void postEvent(EventModel event) {
    NotificationCenter::defaultCenter().post(kJSBForwardEventNotification, std::move(event));
  }
};

TEST_F(PageScreenTest, LoadingTheViewSetsUpTheScreenAndLoadsThePage) {
  auto screen =
      push("detail", H5ContentViewController::Params{{"params", AnyCodable(PlainMap{{"id", std::int64_t{3}}})}});
  EXPECT_EQ(screen->queryString(), "?id=3");
  EXPECT_EQ(screen->view()->backgroundColor(), ui::Color::white());
  EXPECT_EQ(screen->navigationItem().backButtonTitle, "返回");
  EXPECT_TRUE(navigation->isNavigationBarHidden());
  EXPECT_EQ(screen->webview()->superview(), screen->view());
  EXPECT_EQ(screen->webview()->viewController().lock(), screen);
  EXPECT_EQ(loadedURL(*screen->webview()), "file://" + (bundle.path() / "dist/detail/index.html?id=3").string());
  EXPECT_EQ(navigation->interactivePopGestureRecognizer().delegate(), screen);
  EXPECT_TRUE(navigation->interactivePopGestureRecognizer().shouldBegin());
  EXPECT_EQ(screen->preferredStatusBarStyle(), ui::StatusBarStyle::darkContent);
}

TEST_F(PageScreenTest, WebAddressesLoadDirectlyWithTheBarShownAndNoQuery) {
  auto screen = push("https://example.test/p",
                     H5ContentViewController::Params{{"params", AnyCodable(PlainMap{{"id", std::int64_t{3}}})}});
  EXPECT_FALSE(navigation->isNavigationBarHidden());
  auto loads = testing::loadsOf(*screen->webview());
  ASSERT_EQ(loads.size(), 1u);
  EXPECT_EQ(loads[0].url.absoluteString(), "https://example.test/p");
  EXPECT_EQ(loads[0].timeoutInterval, 60);
}

TEST_F(PageScreenTest, EveryAppearanceSendsReloadThePopIncluded) {
  auto lower = push("A");
  EXPECT_EQ(scriptsOf(*lower->webview()), (std::vector<std::string>{kReload}));
  auto upper = push("B");
  EXPECT_EQ(scriptsOf(*upper->webview()), (std::vector<std::string>{kReload}));
  navigation->popViewController(false);
  EXPECT_EQ(scriptsOf(*lower->webview()), (std::vector<std::string>{kReload, kReload}));
}

TEST_F(PageScreenTest, TheBarRuleIsAppliedAgainOnEachAppearance) {
  push("A");
  push("http://example.test");
  EXPECT_FALSE(navigation->isNavigationBarHidden());
  navigation->popViewController(false);
  EXPECT_TRUE(navigation->isNavigationBarHidden());
}

struct EventCase {
  const char* name;
  std::optional<std::string> fromPage;
  std::optional<std::string> toPage;
  bool reachesA;
  bool reachesB;
};

class EventRoutingTest : public PageScreenTest, public ::testing::WithParamInterface<EventCase> {};

TEST_P(EventRoutingTest, SenderAndReceiverDecideWhoGetsTheEvent) {
  auto a = push("A");
  auto b = push("B");
  std::size_t seenA = scriptsOf(*a->webview()).size();
  std::size_t seenB = scriptsOf(*b->webview()).size();
  postEvent(EventModel{"cart", "2", GetParam().fromPage, GetParam().toPage});
  auto expected = [](bool reaches) {
    return reaches ? std::vector<std::string>{"window.__eventBus.emit('cart', '2')"} : std::vector<std::string>{};
  };
  EXPECT_EQ(scriptsSince(*a->webview(), seenA), expected(GetParam().reachesA));
  EXPECT_EQ(scriptsSince(*b->webview(), seenB), expected(GetParam().reachesB));
}

INSTANTIATE_TEST_SUITE_P(Routing, EventRoutingTest,
                         ::testing::Values(EventCase{"Everyone", std::nullopt, std::nullopt, true, true},
                                           EventCase{"EmptyReceiverIsEveryone", std::nullopt, "", true, true},
                                           EventCase{"OnlyTheReceiver", std::nullopt, "B", false, true},
                                           EventCase{"AllButTheSender", "A", std::nullopt, false, true},
                                           EventCase{"SenderNamingItselfAsReceiver", "A", "A", false, false},
                                           EventCase{"UnknownReceiver", std::nullopt, "Z", false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PageScreenTest, EventTextsReachThePageExactlyAndCannotRunCode) {
  auto screen = push("A");
  std::size_t seen = scriptsOf(*screen->webview()).size();
  postEvent(EventModel{"device'Event", R"({"name":"it's","note":"a\"b\nc"})", {}, {}});
  postEvent(EventModel{"x", "'); alert(1); ('", {}, {}});
  EXPECT_EQ(
      scriptsSince(*screen->webview(), seen),
      (std::vector<std::string>{R"(window.__eventBus.emit('device\'Event', '{"name":"it\'s","note":"a\\"b\\nc"}'))",
                                R"(window.__eventBus.emit('x', '\'); alert(1); (\''))"}));
}

TEST_F(PageScreenTest, EventsPostedOffTheMainThreadArriveOnTheMainThread) {
  auto screen = push("A");
  std::size_t seen = scriptsOf(*screen->webview()).size();
  std::thread socketThread([this] { postEvent(EventModel{"deviceEvent", "{}", {}, {}}); });
  socketThread.join();
  EXPECT_TRUE(scriptsSince(*screen->webview(), seen).empty());
  loop->drain();
  EXPECT_EQ(scriptsSince(*screen->webview(), seen),
            (std::vector<std::string>{"window.__eventBus.emit('deviceEvent', '{}')"}));
}

TEST_F(PageScreenTest, AScreenGoneBeforeTheMainThreadDeliversIsLeftAlone) {
  std::weak_ptr<H5ContentViewController> gone;
  {
    auto screen = push("A");
    gone = screen;
    std::thread socketThread([this] { postEvent(EventModel{"deviceEvent", "{}", {}, {}}); });
    socketThread.join();
    navigation->popViewController(false);
  }
  EXPECT_TRUE(gone.expired());
  loop->drain();
}

TEST_F(PageScreenTest, GetPageParamsAnswersTheWholeParams) {
  auto screen = push("detail", H5ContentViewController::Params{
                                   {"route", "detail"}, {"params", AnyCodable(PlainMap{{"id", std::int64_t{7}}})}});
  postBridgeMessage(*screen->webview(), R"({"scope":"currentPage","method":"getPageParams","invokeId":4})");
  auto bare = push("B");
  postBridgeMessage(*bare->webview(), R"({"scope":"currentPage","method":"getPageParams","invokeId":5})");
  EXPECT_EQ(
      responsesOf(*screen->webview()),
      (std::vector<std::string>{
          R"(window.__jsb.onResponse({"responseBody":{"params":{"id":7},"route":"detail"},"success":true}, 4))"}));
  EXPECT_EQ(responsesOf(*bare->webview()),
            (std::vector<std::string>{R"(window.__jsb.onResponse({"success":true}, 5))"}));
}

TEST_F(PageScreenTest, PickImageParksItsCompletionOnlyWithAnInvocationId) {
  auto screen = push("A");
  postBridgeMessage(*screen->webview(), R"({"scope":"currentPage","method":"pickImage"})");
  EXPECT_TRUE(screen->jsbCallbacks().empty());
  postBridgeMessage(*screen->webview(), R"({"scope":"currentPage","method":"pickImage","invokeId":9})");
  postBridgeMessage(*screen->webview(), R"({"scope":"currentPage","method":"other","invokeId":10})");
  EXPECT_EQ(screen->jsbCallbacks().size(), 1u);
  EXPECT_TRUE(screen->jsbCallbacks().count(9));
  EXPECT_TRUE(responsesOf(*screen->webview()).empty());
}

}  // namespace
}  // namespace zephro
