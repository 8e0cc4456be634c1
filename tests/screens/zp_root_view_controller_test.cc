#include "zephro/screens/zp_root_view_controller.h"

#include <gtest/gtest.h>

#include "tests/support/forwarded_events.h"
#include "tests/support/kit_test.h"
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
using testing::KitTest;
using Names = std::vector<std::string>;
using Log = std::vector<std::string>;

enum class Shown { page, tabbar, error };

struct RouteCase {
  const char* name;
  const char* pageName;
  Shown shown;
};

class RootScreenTest : public KitTest {
 protected:
  void replaceRoot(std::any object) {
    NotificationCenter::defaultCenter().post(kLoginStateChangedNotification, std::move(object));
  }
};

class RoutingTableTest : public RootScreenTest, public ::testing::WithParamInterface<RouteCase> {};

TEST_P(RoutingTableTest, ThePageNameChoosesTheChild) {
  auto root = openHome();
  replaceRoot(std::string(GetParam().pageName));
  auto child = root->child();
  switch (GetParam().shown) {
    case Shown::page: {
      auto page = std::dynamic_pointer_cast<H5ContentViewController>(child);
      ASSERT_TRUE(page);
      EXPECT_EQ(page->pageName(), GetParam().pageName);
      EXPECT_EQ(page->params(), std::nullopt);
      break;
    }
    case Shown::tabbar:
      EXPECT_TRUE(std::dynamic_pointer_cast<ZPTabbarViewController>(child));
      break;
    case Shown::error: {
      auto error = std::dynamic_pointer_cast<ZPErrorViewController>(child);
      ASSERT_TRUE(error);
      EXPECT_EQ(error->message(), "暂不支持的页面，请更新 SDK");
      break;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Names, RoutingTableTest,
                         ::testing::Values(RouteCase{"Tabbar", "native/tabbar", Shown::tabbar},
                                           RouteCase{"TabbarWithMore", "native/tabbar/more", Shown::tabbar},
                                           RouteCase{"TabbarAfterEmptyPiece", "native//tabbar", Shown::tabbar},
                                           RouteCase{"OtherNative", "native/settings", Shown::error},
                                           RouteCase{"PrefixAlone", "native/", Shown::error},
                                           RouteCase{"PrefixAndSlashes", "native///", Shown::error},
                                           RouteCase{"NativeWithoutSlash", "native", Shown::page},
                                           RouteCase{"Page", "smarthome", Shown::page},
                                           RouteCase{"UpperCasePrefix", "Native/tabbar", Shown::page},
                                           RouteCase{"Empty", "", Shown::error}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(RootScreenTest, WithoutATokenTheLoginPageShowsAndTheSocketDisconnects) {
  auto root = openHome();
  EXPECT_EQ(ZPRootViewController::current(), root);
  EXPECT_EQ(root->childPageName(), "login");
  EXPECT_EQ(socket->log().entries(), (Log{"socket.token=none", "socket.disconnect"}));
  EXPECT_EQ(root->navigationItem().backButtonTitle, "返回");
  EXPECT_TRUE(navigation->isNavigationBarHidden());
}

TEST_F(RootScreenTest, AnyStoredTokenShowsTheSmartHomeAndReconnects) {
  storeToken("");
  auto root = openHome();
  EXPECT_EQ(root->childPageName(), "smarthome");
  EXPECT_EQ(socket->log().entries(), (Log{"socket.token=", "socket.reconnect"}));
}

TEST_F(RootScreenTest, TheChildFillsTheRootScreen) {
  auto root = openHome();
  window->layoutIfNeeded();
  EXPECT_EQ(root->child()->view()->superview(), root->view());
  EXPECT_EQ(root->child()->view()->frame(), root->view()->frame());
  EXPECT_EQ(root->child()->parent(), root);
}

TEST_F(RootScreenTest, ReplacingTheChildLeavesOneChildAndPopsBackToTheRoot) {
  auto root = openHome();
  navigation->pushViewController(H5ContentViewController::make("A", std::nullopt), false);
  std::weak_ptr<platform::ui::ViewController> first = root->child();
  replaceRoot(std::string("native/tabbar"));
  replaceRoot(std::string("home"));
  EXPECT_EQ(stackNames(), (Names{"host", "root"}));
  EXPECT_TRUE(first.expired());
  EXPECT_EQ(root->children().size(), 1u);
  EXPECT_EQ(root->view()->subviews().size(), 1u);
  EXPECT_EQ(root->childPageName(), "home");
}

TEST_F(RootScreenTest, ANotificationWithoutATextShowsTheErrorScreen) {
  auto root = openHome();
  replaceRoot(std::int64_t{5});
  EXPECT_TRUE(std::dynamic_pointer_cast<ZPErrorViewController>(root->child()));
  EXPECT_EQ(root->childPageName(), "");
}

TEST_F(RootScreenTest, ReturningToTheForegroundReconnectsAndReloadsEveryPage) {
  auto root = openHome();
  socket->log().clear();
  testing::ForwardedEvents events;
  platform::ui::Application::postWillEnterForeground();
  EXPECT_EQ(socket->log().entries(), (Log{"socket.reconnect"}));
  EXPECT_EQ(events.events(), (std::vector<EventModel>{EventModel{"reload", {}, {}, {}}}));
}

// The order matters: a page reacting to the disconnect must no longer find
// the root screen, and the root must no longer react to notifications.
TEST_F(RootScreenTest, DestructionClearsCurrentThenStopsObservingThenDisconnects) {
  struct Probe : testing::RecordingSocketManager {
    void disconnect() override {
      log().add(std::string("current=") + (ZPRootViewController::current() ? "set" : "none"));
      NotificationCenter::defaultCenter().post(kLoginStateChangedNotification, std::string("home"));
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
  EXPECT_EQ(probe->log().entries(), (Log{"current=none", "socket.disconnect"}));
}

TEST_F(RootScreenTest, AnOlderRootScreenGoingAwayLeavesTheNewerOneCurrent) {
  auto older = ZPRootViewController::make();
  older->view();
  auto newer = openHome();
  older.reset();
  EXPECT_EQ(ZPRootViewController::current(), newer);
}

}  // namespace
}  // namespace zephro
