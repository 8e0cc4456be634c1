#include <gtest/gtest.h>

#include "zephro/platform/ui/button.h"
#include "zephro/platform/ui/label.h"
#include "zephro/platform/ui/layer.h"
#include "zephro/platform/ui/layout_constraint.h"
#include "zephro/platform/ui/stack_view.h"
#include "zephro/platform/ui/view.h"

namespace zephro::platform::ui {
namespace {

TEST(ViewTreeTest, SubviewsMoveBetweenParentsAndNeverFormACycle) {
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

TEST(ViewTreeTest, LayersInsertAtAnIndex) {
  auto view = View::make();
  auto top = Layer::make();
  auto bottom = Layer::make();
  view->layer().addSublayer(top);
  view->layer().insertSublayer(bottom, 0);
  ASSERT_EQ(view->layer().sublayers().size(), 2u);
  EXPECT_EQ(view->layer().sublayers()[0], bottom);
  EXPECT_EQ(bottom->superlayer().get(), &view->layer());
}

// The error screen's arrangement: a label above a button in a centred
// vertical stack.
TEST(CentringLayoutTest, StackOfLabelAndButtonIsCentredInItsContainer) {
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
  EXPECT_GT(label->frame().width(), 0);

  container->setFrame(Rect::make(0, 0, 200, 100));
  container->layoutIfNeeded();
  EXPECT_DOUBLE_EQ(stack->frame().midX(), 100);
  EXPECT_DOUBLE_EQ(stack->frame().midY(), 50);

  const double narrowWidth = stack->frame().width();
  label->setText("a much longer message than before, on one line");
  container->layoutIfNeeded();
  EXPECT_GT(stack->frame().width(), narrowWidth);
  EXPECT_DOUBLE_EQ(stack->frame().midX(), 100);
}

TEST(CentringLayoutTest, DeactivatedConstraintsNoLongerPlaceTheView) {
  auto container = View::make(Rect::make(0, 0, 100, 100));
  auto box = View::make(Rect::make(0, 0, 10, 10));
  container->addSubview(box);
  box->setTranslatesAutoresizingMaskIntoConstraints(false);
  auto centre = LayoutConstraint::centerX(box, container, 5);
  LayoutConstraint::activate({centre});
  container->layoutIfNeeded();
  EXPECT_DOUBLE_EQ(box->frame().midX(), 55);

  LayoutConstraint::deactivate({centre});
  container->setFrame(Rect::make(0, 0, 300, 300));
  container->layoutIfNeeded();
  EXPECT_DOUBLE_EQ(box->frame().midX(), 55);
  EXPECT_TRUE(box->constraints().empty());
}

TEST(ButtonTest, TapRunsTargetsInOrderWithoutKeepingThemAlive) {
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
  button->setEnabled(false);
  button->tap();
  EXPECT_EQ(order.size(), 2u);
  button->setEnabled(true);
  button->tap();  // the released target is skipped
  EXPECT_EQ(order.size(), 4u);
}

TEST(ButtonTest, StatesWithoutATitleShowTheNormalOne) {
  auto button = Button::make();
  button->setTitle("退出", ControlState::normal);
  button->setTitle("…", ControlState::highlighted);
  EXPECT_EQ(button->title(ControlState::disabled), "退出");
  EXPECT_EQ(button->title(ControlState::highlighted), "…");
  button->setTitle(std::nullopt, ControlState::normal);
  EXPECT_EQ(button->currentTitle(), std::nullopt);
}

}  // namespace
}  // namespace zephro::platform::ui
