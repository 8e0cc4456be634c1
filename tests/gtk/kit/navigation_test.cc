// Pages moving through the real navigation controller, the tab bar and the
// error screen, and events finding the pages they are meant for.
#include <gtest/gtest.h>

#include <webkit/webkit.h>

#include <thread>
#include <utility>

#include "tests/gtk/kit/kit_on_gtk.h"
#include "tests/gtk/support/widget_search.h"
#include "zephro/platform/gtk/gtk_view_peer.h"
#include "zephro/platform/gtk/tab_bar_peer.h"
#include "zephro/screens/zp_error_view_controller.h"
#include "zephro/screens/zp_tabbar_view_controller.h"

namespace zephro::testing::gtk {
namespace {

using nlohmann::json;
using Names = std::vector<std::string>;

class NavigationOnGtkTest : public KitOnGtkTest {
 protected:
  // The page on top once the stack reads `names` and the page's probe runs.
  std::shared_ptr<Page> awaitTop(const Names& names) {
    EXPECT_TRUE(spinUntil([&] { return stackNames() == names; })) << ::testing::PrintToString(stackNames());
    auto page = topPage();
    EXPECT_TRUE(page && awaitProbe(*page));
    return page;
  }
  static int eventCount(Page& page, const std::string& name) {
    return std::stoi(read(page, "probe.events.filter(function (e) { return e[0] === '" + name + "'; }).length"));
  }
  static std::shared_ptr<Page> tab(ZPTabbarViewController& tabs, std::size_t index) {
    return std::dynamic_pointer_cast<Page>(tabs.viewControllers().at(index));
  }
};

TEST_F(NavigationOnGtkTest, PushPopPopToAndReplaceMoveTheRealStack) {
  openHome();
  send(*topPage(), "window", "push", "{route: 'detail', params: {id: 7, name: 'a b'}}");
  auto detail = awaitTop({"host", "root", "detail"});
  ASSERT_TRUE(detail);
  EXPECT_EQ(read(*detail, "[probe.queryValue('id'), probe.queryValue('name')]"), R"(["7","a b"])");
  EXPECT_EQ(call(*detail, "currentPage", "getPageParams"),
            json::parse(R"({"responseBody":{"route":"detail","params":{"id":7,"name":"a b"}},"success":true})"));

  send(*detail, "window", "push", "{route: 'A', animated: false}");
  send(*awaitTop({"host", "root", "detail", "A"}), "window", "push", "{route: 'B'}");
  auto pageB = awaitTop({"host", "root", "detail", "A", "B"});
  ASSERT_TRUE(pageB);
  EXPECT_TRUE(spinUntil([&] { return isOnScreen(*pageB->view()) && !isOnScreen(*detail->view()); }));

  // Back on screen, a page hears "reload" (its first one came before the
  // document had loaded).
  const int reloads = eventCount(*detail, "reload");
  send(*pageB, "window", "popTo", "{route: 'detail'}");
  awaitTop({"host", "root", "detail"});
  EXPECT_TRUE(spinUntil([&] { return eventCount(*detail, "reload") == reloads + 1; }));
  EXPECT_TRUE(spinUntil([&] { return isOnScreen(*detail->view()); }));

  auto root = std::dynamic_pointer_cast<ZPRootViewController>(navigation->viewControllers()[1]);
  auto login = std::dynamic_pointer_cast<Page>(root->child());
  const int loginReloads = eventCount(*login, "reload");
  send(*detail, "window", "pop", "{step: 1}");
  awaitTop({"host", "root"});
  EXPECT_TRUE(spinUntil([&] { return eventCount(*login, "reload") == loginReloads + 1; }));

  send(*login, "window", "replace", "{route: 'native/tabbar'}");
  EXPECT_TRUE(spinUntil([this] { return rootChild<ZPTabbarViewController>() != nullptr; }));
}

TEST_F(NavigationOnGtkTest, TheTabBarShowsItsFourPagesOneAtATime) {
  auto tabs = openHomeAndReplaceWith<ZPTabbarViewController>("native/tabbar");
  ASSERT_TRUE(tabs);
  auto* bar = dynamic_cast<platform::gtk::TabBarPeer*>(platform::gtk::GtkViewPeer::of(*tabs->tabBar()));
  ASSERT_TRUE(bar);
  ASSERT_EQ(bar->itemButtons().size(), 4u);
  const Names pages = {"home", "smarthome", "register", "forgetpassword"};
  for (std::size_t index = 0; index < pages.size(); ++index) {
    SCOPED_TRACE(pages[index]);
    g_signal_emit_by_name(bar->itemButtons()[index].get(), "clicked");
    auto page = tab(*tabs, index);
    ASSERT_TRUE(page && awaitProbe(*page));
    EXPECT_EQ(read(*page, "zephro.pageName"), "\"" + pages[index] + "\"");
    EXPECT_TRUE(spinUntil([&] { return isOnScreen(*page->view()); }));
    if (index > 0) {
      EXPECT_FALSE(isOnScreen(*tab(*tabs, index - 1)->view()));
    }
  }
}

TEST_F(NavigationOnGtkTest, SocketAndPageEventsReachTheirPagesOnly) {
  auto tabs = openHomeAndReplaceWith<ZPTabbarViewController>("native/tabbar");
  auto home = tab(*tabs, 0);
  ASSERT_TRUE(home && awaitProbe(*home));
  send(*home, "window", "push", "{route: 'network-zigbee'}");
  auto zigbee = awaitTop({"host", "root", "network-zigbee"});
  ASSERT_TRUE(zigbee);

  // Socket messages come in on the socket's own thread.
  std::thread([this] {
    socket->receive(R"({"messageType":"DeviceReport","name":"Joined","data":{"userDevice":{"did":"d1"}}})");
    socket->receive(R"({"messageType":"DeviceReport","name":"Normal","data":{"did":"d1","on":true}})");
    socket->receive(R"({"messageType":"DeviceReport","name":"Normal","data":{"identify":"learnCodeNotify"}})");
    socket->receive(R"({"messageType":"Other","name":"Normal","data":{}})");
  }).join();
  send(*zigbee, "event_handler", "forwardEvent", "{eventName: 'cart', eventData: '2', toPage: 'home'}");
  send(*zigbee, "event_handler", "forwardEvent", "{eventName: 'note', fromPage: 'network-zigbee'}");

  const std::string events = "probe.events.filter(function (e) { return e[0] !== 'reload'; })";
  EXPECT_TRUE(spinUntil([&] { return readJson(*home, events).size() == 4; }));
  EXPECT_EQ(readJson(*zigbee, events), json::parse(R"([
      ["Joined", "{\"did\":\"d1\"}"],
      ["deviceEvent", "{\"did\":\"d1\",\"on\":true}"],
      ["learnCodeNotify", "{\"identify\":\"learnCodeNotify\"}"]])"));
  EXPECT_EQ(readJson(*home, events), json::parse(R"([
      ["deviceEvent", "{\"did\":\"d1\",\"on\":true}"],
      ["learnCodeNotify", "{\"identify\":\"learnCodeNotify\"}"],
      ["cart", "2"],
      ["note", ""]])"));
}

// A covered screen's widgets stay realized: WebKit keeps the frame buffer of
// every earlier realization of a view in both processes. A closed screen's
// widgets, its WebKit view among them, are gone with it.
TEST_F(NavigationOnGtkTest, CoveredScreensStayRealizedAndClosedOnesLeaveNoWidget) {
  openHome();
  const auto webKitView = [](Page& page) { return findDescendant(widgetOf(*page.webview()), WEBKIT_TYPE_WEB_VIEW); };
  int unrealized = 0;
  g_signal_connect_swapped(webKitView(*topPage()), "unrealize", G_CALLBACK(+[](int* count) { ++*count; }),
                           &unrealized);
  int alive = 0;
  const auto watch = [&alive](GtkWidget* widget) {
    ++alive;
    // Object data goes when the object is finalised, after any dispose.
    g_object_set_data_full(G_OBJECT(widget), "zephro-test-alive", &alive,
                           [](gpointer count) { --*static_cast<int*>(count); });
  };
  for (const bool animated : {true, false}) {
    auto page = H5ContentViewController::make("detail", std::nullopt);
    navigation->pushViewController(page, animated);
    ASSERT_TRUE(awaitTop({"host", "root", "detail"}));
    for (GtkWidget* widget : {widgetOf(*page->view()), widgetOf(*page->webview()), webKitView(*page)}) watch(widget);
    std::weak_ptr<Page> closed = std::exchange(page, nullptr);
    navigation->popViewController(animated);
    ASSERT_TRUE(spinUntil([&] { return closed.expired() && isOnScreen(*topPage()->view()); }));
  }
  EXPECT_EQ(unrealized, 0);
  EXPECT_TRUE(spinUntil([&] { return alive == 0; })) << alive << " widgets of closed screens alive";
}

TEST_F(NavigationOnGtkTest, TheErrorScreensExitLeavesTheKit) {
  auto error = openHomeAndReplaceWith<ZPErrorViewController>("native/unknown");
  ASSERT_TRUE(error);
  ASSERT_TRUE(spinUntil([&] { return isOnScreen(*error->view()); }));

  GtkWidget* exit = findDescendant(widgetOf(*error->view()), GTK_TYPE_BUTTON);
  ASSERT_TRUE(exit);
  g_signal_emit_by_name(exit, "clicked");
  EXPECT_TRUE(spinUntil([this] { return stackNames() == Names{"host"}; }));
  EXPECT_TRUE(spinUntil([this] { return isOnScreen(*host->view()); }));
}

}  // namespace
}  // namespace zephro::testing::gtk
