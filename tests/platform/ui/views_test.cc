#include <gtest/gtest.h>

#include "zephro/platform/ui/button.h"
#include "zephro/platform/ui/label.h"
#include "zephro/platform/ui/layout_constraint.h"
#include "zephro/platform/ui/stack_view.h"
#include "zephro/platform/ui/view.h"

namespace zephro::platform::ui {
namespace {

TEST(ViewTree, SubviewsMoveBetweenParentsAndNeverFormACycle) {
  auto first = View::make();
  auto second = View::make();
  auto child = View::make();
  auto grandchild = View::make();
  first->addSubview(child);
  child->addSubview(grandchild);
  second->insertSubview(child, 5);
  EXPECT_TRUE(first->subviews().empty());
  EXPECT_EQ(child->superview(), second);
  grandchild->addSubview(second);  // would contain its own ancestor
  child->addSubview(child);
  EXPECT_TRUE(grandchild->subviews().empty());
  EXPECT_EQ(child->subviews().size(), 1u);
  auto sibling = View::make();
  second->insertSubview(sibling, 0);
  EXPECT_EQ(second->subviews().front(), sibling);
  child->removeFromSuperview();
  EXPECT_EQ(second->subviews().size(), 1u);
  EXPECT_EQ(child->superview(), nullptr);
}

// The error screen's arrangement: a label above a button in a centred
// vertical stack, placed again when the container or the text changes.
TEST(CentringLayout, StackOfLabelAndButtonIsCentredInItsContainer) {
  auto container = View::make(Rect::make(0, 0, 390, 844));
  auto label = Label::make("暂不支持的页面，请更新 SDK");
  auto button = Button::make();
  button->setTitle("退出", ControlState::normal);
  auto stack = StackView::make({label, button});
  stack->setAxis(StackAxis::vertical);
  stack->setSpacing(10);
  stack->setAlignment(StackAlignment::center);
  container->addSubview(stack);
  stack->setTranslatesAutoresizingMaskIntoConstraints(false);
  LayoutConstraint::activate(
      {LayoutConstraint::centerX(stack, container), LayoutConstraint::centerY(stack, container)});
  container->layoutIfNeeded();
  const Rect frame = stack->frame();
  EXPECT_DOUBLE_EQ(frame.midX(), 195);
  EXPECT_DOUBLE_EQ(frame.midY(), 422);
  EXPECT_DOUBLE_EQ(frame.width(), std::max(label->frame().width(), button->frame().width()));
  EXPECT_DOUBLE_EQ(button->frame().minY(), label->frame().maxY() + 10);
  EXPECT_DOUBLE_EQ(label->frame().midX(), frame.width() / 2);
  EXPECT_DOUBLE_EQ(button->frame().midX(), frame.width() / 2);

  container->setFrame(Rect::make(0, 0, 200, 100));
  label->setText("a much longer message than before, on one line");
  container->layoutIfNeeded();
  EXPECT_DOUBLE_EQ(stack->frame().midX(), 100);
  EXPECT_DOUBLE_EQ(stack->frame().midY(), 50);
  EXPECT_GT(stack->frame().width(), frame.width());
}

TEST(Button, TapRunsTargetsInOrderWithoutKeepingThemAlive) {
  struct Target {
    void fire() { ++fired; }
    int fired = 0;
  };
  auto button = Button::make();
  auto target = std::make_shared<Target>();
  std::vector<int> order;
  button->addTarget([&] { order.push_back(1); });
  button->addTarget(target, &Target::fire);
  button->addTarget([&] { order.push_back(2); });
  button->tap();
  EXPECT_EQ(order, (std::vector<int>{1, 2}));
  EXPECT_EQ(target->fired, 1);
  std::weak_ptr<Target> watch = target;
  target.reset();
  EXPECT_TRUE(watch.expired());
  button->tap();  // the released target is skipped
  EXPECT_EQ(order, (std::vector<int>{1, 2, 1, 2}));
}

}  // namespace
}  // namespace zephro::platform::ui
