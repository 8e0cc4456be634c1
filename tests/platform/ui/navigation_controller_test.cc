#include "zephro/platform/ui/navigation_controller.h"

#include "tests/platform/ui/ui_test_support.h"
#include "zephro/platform/ui/navigation_bar.h"
#include "zephro/platform/ui/view.h"

namespace zephro::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class NavigationTest : public UiTest {
 protected:
  void SetUp() override {
    navigation = ui::NavigationController::make(a);
    show(navigation);
  }

  std::shared_ptr<RecordingController> a = controller("A");
  std::shared_ptr<RecordingController> b = controller("B");
  std::shared_ptr<RecordingController> c = controller("C");
  std::shared_ptr<ui::NavigationController> navigation;
};

TEST_F(NavigationTest, PushHidesTheOldTopAndPopShowsItAgain) {
  navigation->pushViewController(b, false);
  EXPECT_THAT(*log, ElementsAre("B.load", "A.willDisappear", "B.willAppear", "A.didDisappear", "B.didAppear"));
  EXPECT_EQ(b->view()->superview(), navigation->view());
  EXPECT_EQ(a->view()->superview(), nullptr);

  log->clear();
  EXPECT_EQ(navigation->popViewController(false), b);
  EXPECT_THAT(*log, ElementsAre("B.willDisappear", "A.willAppear", "B.didDisappear", "A.didAppear"));
  EXPECT_EQ(b->parent(), nullptr);
  EXPECT_EQ(b->navigationController(), nullptr);
}

TEST_F(NavigationTest, PopOnAOneScreenStackDoesNothing) {
  EXPECT_EQ(navigation->popViewController(true), nullptr);
  EXPECT_THAT(navigation->popToRootViewController(true), IsEmpty());
  EXPECT_THAT(navigation->viewControllers(), ElementsAre(a));
  EXPECT_THAT(*log, IsEmpty());
}

TEST_F(NavigationTest, SetViewControllersReplacesTheStackInOneStep) {
  navigation->pushViewController(b, false);
  navigation->pushViewController(c, false);
  log->clear();

  navigation->setViewControllers({a, b}, true);
  EXPECT_THAT(navigation->viewControllers(), ElementsAre(a, b));
  EXPECT_THAT(*log, ElementsAre("C.willDisappear", "B.willAppear", "C.didDisappear", "B.didAppear"));
  EXPECT_EQ(c->parent(), nullptr);

  log->clear();
  navigation->setViewControllers({a, a, nullptr, c}, false);  // repeats and empties are dropped
  EXPECT_THAT(navigation->viewControllers(), ElementsAre(a, c));
  EXPECT_THAT(*log, ElementsAre("B.willDisappear", "C.willAppear", "B.didDisappear", "C.didAppear"));
}

TEST_F(NavigationTest, PopToReturnsThePoppedScreensAndSkipsTheMiddleOnes) {
  navigation->pushViewController(b, false);
  navigation->pushViewController(c, false);
  log->clear();
  EXPECT_THAT(navigation->popToViewController(a, true), ElementsAre(b, c));
  EXPECT_THAT(*log, ElementsAre("C.willDisappear", "A.willAppear", "C.didDisappear", "A.didAppear"));
  EXPECT_THAT(navigation->popToViewController(c, true), IsEmpty());
}

TEST_F(NavigationTest, PushRefusesScreensHeldElsewhere) {
  auto other = ui::NavigationController::make(b);
  navigation->pushViewController(b, false);
  navigation->pushViewController(a, false);
  navigation->pushViewController(navigation, false);
  EXPECT_THAT(navigation->viewControllers(), ElementsAre(a));
  EXPECT_THAT(other->viewControllers(), ElementsAre(b));
}

class SwipeDelegate : public ui::GestureRecognizerDelegate {
 public:
  bool gestureRecognizerShouldBegin(ui::GestureRecognizer&) override {
    ++asked;
    return allow;
  }
  bool allow = true;
  int asked = 0;
};

TEST_F(NavigationTest, SwipeBackAsksTheDelegateAndNeedsTwoScreens) {
  auto delegate = std::make_shared<SwipeDelegate>();
  navigation->interactivePopGestureRecognizer().setDelegate(delegate);
  EXPECT_FALSE(navigation->performSwipeBack());
  EXPECT_EQ(delegate->asked, 0);

  navigation->pushViewController(b, false);
  delegate->allow = false;
  EXPECT_FALSE(navigation->performSwipeBack());
  EXPECT_THAT(navigation->viewControllers(), ElementsAre(a, b));

  delegate->allow = true;
  EXPECT_TRUE(navigation->performSwipeBack());
  EXPECT_THAT(navigation->viewControllers(), ElementsAre(a));
  EXPECT_EQ(delegate->asked, 2);
}

TEST_F(NavigationTest, TopScreenFillsTheContainerBelowTheBar) {
  navigation->pushViewController(b, false);
  window->layoutIfNeeded();
  EXPECT_EQ(b->view()->frame(), ui::Rect::make(0, 44, 390, 800));
  EXPECT_EQ(navigation->navigationBar()->backButtonTitle(), "Back");
  a->navigationItem().backButtonTitle = "返回";
  EXPECT_EQ(navigation->navigationBar()->backButtonTitle(), "返回");

  navigation->setNavigationBarHidden(true, true);
  EXPECT_TRUE(navigation->navigationBar()->isHidden());
  loop->drain();  // the window's scheduled layout pass
  EXPECT_EQ(b->view()->frame(), ui::Rect::make(0, 0, 390, 844));

  navigation->navigationBar()->sendBackAction();
  EXPECT_THAT(navigation->viewControllers(), ElementsAre(a));
}

TEST_F(NavigationTest, NestedScreensFindTheStackThroughTheirParents) {
  auto child = controller("child");
  b->addChildViewController(child);
  navigation->pushViewController(b, false);
  EXPECT_EQ(child->navigationController(), navigation);
  EXPECT_EQ(navigation->navigationController(), nullptr);
}

TEST_F(NavigationTest, AnimatedPushFinishesWhenTheRendererSaysSo) {
  auto renderer = std::make_shared<HeldTransitionRenderer>();
  ui::setRenderer(renderer);
  navigation->pushViewController(b, true);
  EXPECT_THAT(*log, ElementsAre("B.load", "A.willDisappear", "B.willAppear"));
  EXPECT_EQ(a->view()->superview(), navigation->view());  // both on screen while sliding

  renderer->finishAll();
  EXPECT_THAT(renderer->kinds, ElementsAre(ui::TransitionKind::push));
  EXPECT_EQ(a->view()->superview(), nullptr);
  EXPECT_EQ(log->back(), "B.didAppear");
}

}  // namespace
}  // namespace zephro::testing
