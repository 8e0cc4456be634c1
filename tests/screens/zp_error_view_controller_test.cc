#include "zephro/screens/zp_error_view_controller.h"

#include <gtest/gtest.h>

#include "tests/support/kit_test.h"
#include "zephro/platform/foundation/notification_center.h"
#include "zephro/platform/ui/button.h"
#include "zephro/platform/ui/label.h"
#include "zephro/platform/ui/stack_view.h"
#include "zephro/scopes/view_stack_jsb.h"
#include "zephro/sdk/zephro_sdk4_tolmar_runner.h"

namespace zephro {
namespace {

namespace ui = platform::ui;
using testing::KitTest;

class ErrorScreenTest : public KitTest {
 protected:
  static std::shared_ptr<ui::StackView> stackOf(ZPErrorViewController& screen) {
    return std::dynamic_pointer_cast<ui::StackView>(screen.view()->subviews().at(0));
  }
  static void tapExit(ZPErrorViewController& screen) {
    std::dynamic_pointer_cast<ui::Button>(stackOf(screen)->arrangedSubviews().at(1))->tap();
  }
  // Shows the error screen as the child of `root`.
  static std::shared_ptr<ZPErrorViewController> showError(ZPRootViewController& root) {
    platform::foundation::NotificationCenter::defaultCenter().post(kLoginStateChangedNotification,
                                                                   std::string("native/unknown"));
    return std::dynamic_pointer_cast<ZPErrorViewController>(root.child());
  }
};

TEST_F(ErrorScreenTest, TheMessageSitsAboveTheExitButtonInACentredStack) {
  auto screen = ZPErrorViewController::make("broken");
  window->setRootViewController(screen);
  window->layoutIfNeeded();
  EXPECT_EQ(screen->view()->backgroundColor(), ui::Color::white());
  auto stack = stackOf(*screen);
  ASSERT_TRUE(stack);
  EXPECT_EQ(stack->axis(), ui::StackAxis::vertical);
  EXPECT_EQ(stack->spacing(), 10);
  EXPECT_EQ(stack->alignment(), ui::StackAlignment::center);
  EXPECT_FALSE(stack->translatesAutoresizingMaskIntoConstraints());
  auto label = std::dynamic_pointer_cast<ui::Label>(stack->arrangedSubviews().at(0));
  auto button = std::dynamic_pointer_cast<ui::Button>(stack->arrangedSubviews().at(1));
  ASSERT_TRUE(label && button);
  EXPECT_EQ(label->text(), "broken");
  EXPECT_EQ(label->textColor(), ui::Color::black());
  EXPECT_EQ(button->title(ui::ControlState::normal), "退出");
  EXPECT_EQ(stack->center(), screen->view()->bounds().center());
}

TEST_F(ErrorScreenTest, ExitFromAPresentedHomeClosesTheWholeNavigationStack) {
  auto bare = ui::ViewController::make();
  window->setRootViewController(bare);
  ZephroSdk4TolmarRunner::openSdkHome(*bare);
  auto presented = std::dynamic_pointer_cast<ui::NavigationController>(bare->presentedViewController());
  ASSERT_TRUE(presented);
  auto error = showError(*std::dynamic_pointer_cast<ZPRootViewController>(presented->topViewController()));
  ASSERT_TRUE(error);
  tapExit(*error);
  EXPECT_EQ(bare->presentedViewController(), nullptr);
}

TEST_F(ErrorScreenTest, ExitFromAPushedHomePopsBackToTheHost) {
  auto root = openHome();
  auto error = showError(*root);
  ASSERT_TRUE(error);
  tapExit(*error);
  EXPECT_EQ(top(), host);
}

TEST_F(ErrorScreenTest, ExitWithoutANavigationControllerDismissesTheScreenItself) {
  auto error = ZPErrorViewController::make("broken");
  host->present(error, false);
  error->view();
  tapExit(*error);
  EXPECT_EQ(host->presentedViewController(), nullptr);
  EXPECT_EQ(renderer->animated.back(), ui::TransitionKind::dismiss);
}

}  // namespace
}  // namespace zephro
