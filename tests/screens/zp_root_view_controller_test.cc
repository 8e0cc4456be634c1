#include "zephro/screens/zp_root_view_controller.h"

#include <gtest/gtest.h>

#include "zephro/testing/forwarded_events.h"
#include "zephro/testing/kit_test.h"
#include "zephro/platform/foundation/notification_center.h"
#include "zephro/platform/ui/application.h"
#include "zephro/platform/ui/view.h"
#include "zephro/scopes/view_stack_jsb.h"
#include "zephro/screens/zp_error_view_controller.h"
#include "zephro/screens/zp_tabbar_view_controller.h"
#include "zephro/sdk/zephro_sdk4_tolmar_runner.h"

namespace zephro {
namespace {

using platform::foundation::NotificationCenter;
using Names = std::vector<std::string>;

void replaceRoot(std::any object) {
  NotificationCenter::defaultCenter().post(kLoginStateChangedNotification, std::move(object));
}

class RootScreenTest : public testing::KitTest {};

TEST_F(RootScreenTest, ThePageNameChoosesTheChild) {
  enum Shown { pageScreen, tabBarScreen, errorScreen };
  const std::pair<std::any, Shown> cases[] = {
      {std::string("native/tabbar"), tabBarScreen}, {std::string("native/tabbar/more"), tabBarScreen},
      {std::string("native//tabbar"), tabBarScreen}, {std::string("native/settings"), errorScreen},
      {std::string("native/"), errorScreen}, {std::string("native///"), errorScreen},
      {std::string(""), errorScreen}, {std::int64_t{5}, errorScreen},
      {std::string("native"), pageScreen}, {std::string("Native/tabbar"), pageScreen},
      {std::string("smarthome"), pageScreen}};
  auto root = openHome();
  for (const auto& [object, shown] : cases) {
    replaceRoot(object);
    const auto* name = std::any_cast<std::string>(&object);
    EXPECT_EQ(root->childPageName(), name ? *name : "");
    auto child = root->child();
    auto page = std::dynamic_pointer_cast<H5ContentViewController>(child);
    auto error = std::dynamic_pointer_cast<ZPErrorViewController>(child);
    EXPECT_EQ(page != nullptr, shown == pageScreen) << root->childPageName();
    EXPECT_EQ(std::dynamic_pointer_cast<ZPTabbarViewController>(child) != nullptr, shown == tabBarScreen);
    EXPECT_EQ(error != nullptr, shown == errorScreen) << root->childPageName();
    if (page) {
      EXPECT_EQ(page->pageName(), root->childPageName());
      EXPECT_EQ(page->params(), std::nullopt);
    }
    if (error) {
      EXPECT_EQ(error->message(), "暂不支持的页面，请更新 SDK");
    }
  }
}

// Any stored token, even an empty one, counts as logged in.
TEST_F(RootScreenTest, TheStoredTokenChoosesTheFirstPageAndTheSocketState) {
  auto loggedOut = openHome();
  EXPECT_EQ(ZPRootViewController::current(), loggedOut);
  EXPECT_EQ(loggedOut->childPageName(), "login");
  EXPECT_EQ(socket->log().entries(), (Names{"socket.token=none", "socket.disconnect"}));
  EXPECT_TRUE(navigation->isNavigationBarHidden());

  storeToken("");
  socket->log().clear();
  auto loggedIn = openHome();
  EXPECT_EQ(loggedIn->childPageName(), "smarthome");
  EXPECT_EQ(socket->log().entries(), (Names{"socket.token=", "socket.reconnect"}));
  // The older root going away leaves the newer one current.
  navigation->setViewControllers({host, loggedIn}, false);
  loggedOut.reset();
  EXPECT_EQ(ZPRootViewController::current(), loggedIn);
}

TEST_F(RootScreenTest, ReplacingTheChildLeavesOneChildFillingTheRootAndPopsBackToIt) {
  auto root = openHome();
  navigation->pushViewController(H5ContentViewController::make("A", std::nullopt), false);
  std::weak_ptr<platform::ui::ViewController> first = root->child();
  replaceRoot(std::string("native/tabbar"));
  replaceRoot(std::string("home"));
  EXPECT_EQ(stackNames(), (Names{"host", "root"}));
  EXPECT_TRUE(first.expired());
  EXPECT_EQ(root->children().size(), 1u);
  EXPECT_EQ(root->view()->subviews().size(), 1u);
  window->layoutIfNeeded();
  EXPECT_EQ(root->child()->view()->superview(), root->view());
  EXPECT_EQ(root->child()->view()->frame(), root->view()->frame());
}

TEST_F(RootScreenTest, ReturningToTheForegroundReconnectsAndReloadsEveryPage) {
  openHome();
  socket->log().clear();
  testing::ForwardedEvents events;
  platform::ui::Application::postWillEnterForeground();
  EXPECT_EQ(socket->log().entries(), (Names{"socket.reconnect"}));
  EXPECT_EQ(events.events(), (std::vector<EventModel>{EventModel{"reload", {}, {}, {}}}));
}

// The order matters: a page reacting to the disconnect must no longer find
// the root screen, and the root must no longer react to notifications.
TEST_F(RootScreenTest, DestructionClearsCurrentThenStopsObservingThenDisconnects) {
  struct Probe : testing::RecordingSocketManager {
    void disconnect() override {
      log().add(std::string("current=") + (ZPRootViewController::current() ? "set" : "none"));
      replaceRoot(std::string("home"));
      RecordingSocketManager::disconnect();
    }
  };
  auto probe = std::make_shared<Probe>();
  ZephroSdk4TolmarRunner::setSocketManager(probe);
  {
    auto root = ZPRootViewController::make();
    root->view();
    probe->log().clear();
  }
  EXPECT_EQ(probe->log().entries(), (Names{"current=none", "socket.disconnect"}));
}

}  // namespace
}  // namespace zephro
