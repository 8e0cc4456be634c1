#include "zephro/screens/zp_error_view_controller.h"

#include <gtest/gtest.h>

#include "zephro/testing/kit_test.h"
#include "zephro/platform/foundation/notification_center.h"
#include "zephro/platform/ui/button.h"
#include "zephro/platform/ui/label.h"
#include "zephro/platform/ui/stack_view.h"
#include "zephro/scopes/view_stack_jsb.h"
#include "zephro/sdk/zephro_sdk4_tolmar_runner.h"

namespace zephro {
namespace {

namespace ui = platform::ui;

class ErrorScreenTest : public testing::KitTest {
 protected:
  // The message sits above the exit button in a centred stack.
  static void tapExit(ZPErrorViewController& screen) {
    auto stack = std::dynamic_pointer_cast<ui::StackView>(screen.view()->subviews().at(0));
    ASSERT_TRUE(stack);
    EXPECT_EQ(stack->axis(), ui::StackAxis::vertical);
    screen.view()->layoutIfNeeded();
    EXPECT_EQ(stack->center(), screen.view()->bounds().center());
    auto label = std::dynamic_pointer_cast<ui::Label>(stack->arrangedSubviews().at(0));
    auto button = std::dynamic_pointer_cast<ui::Button>(stack->arrangedSubviews().at(1));
    ASSERT_TRUE(label && button);
    EXPECT_EQ(label->text(), screen.message());
    EXPECT_EQ(button->title(ui::ControlState::normal), "退出");
    button->tap();
  }
  // Shows the error screen as the child of `root`.
  static std::shared_ptr<ZPErrorViewController> showError(ZPRootViewController& root) {
    platform::foundation::NotificationCenter::defaultCenter().post(kLoginStateChangedNotification,
                                                                   std::string("native/unknown"));
    return std::dynamic_pointer_cast<ZPErrorViewController>(root.child());
  }
};

// Exit leaves the kit whichever way its home was opened.
TEST_F(ErrorScreenTest, ExitClosesThePresentedStackOrPopsToTheHostOrDismissesItself) {
  auto pushed = showError(*openHome());
  ASSERT_TRUE(pushed);
  tapExit(*pushed);
  EXPECT_EQ(top(), host);

  auto bare = ui::ViewController::make();
  window->setRootViewController(bare);
  ZephroSdk4TolmarRunner::openSdkHome(*bare);
  auto presented = std::dynamic_pointer_cast<ui::NavigationController>(bare->presentedViewController());
  ASSERT_TRUE(presented);
  auto inPresented = showError(*std::dynamic_pointer_cast<ZPRootViewController>(presented->topViewController()));
  ASSERT_TRUE(inPresented);
  tapExit(*inPresented);
  EXPECT_EQ(bare->presentedViewController(), nullptr);

  auto alone = ZPErrorViewController::make("broken");
  bare->present(alone, false);
  alone->view();
  tapExit(*alone);
  EXPECT_EQ(bare->presentedViewController(), nullptr);
  EXPECT_EQ(renderer->animated.back(), ui::TransitionKind::dismiss);
}

}  // namespace
}  // namespace zephro
