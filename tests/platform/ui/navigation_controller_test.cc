#include "zephro/platform/ui/navigation_controller.h"

#include "tests/platform/ui/ui_test_support.h"
#include "zephro/platform/ui/navigation_bar.h"
#include "zephro/platform/ui/view.h"

namespace zephro::testing {
namespace {

class NavigationTest : public UiTest {
 protected:
  void SetUp() override { show(navigation); }

  std::shared_ptr<RecordingController> a = controller("A");
  std::shared_ptr<RecordingController> b = controller("B");
  std::shared_ptr<RecordingController> c = controller("C");
  std::shared_ptr<ui::NavigationController> navigation = ui::NavigationController::make(a);
};

TEST_F(NavigationTest, PushHidesTheOldTopAndPopShowsItAgain) {
  EXPECT_EQ(navigation->popViewController(true), nullptr);  // the last screen stays
  EXPECT_THAT(navigation->popToRootViewController(true), IsEmpty());
  navigation->pushViewController(b, false);
  EXPECT_THAT(*log, ElementsAre("B.load", "A.willDisappear", "B.willAppear", "A.didDisappear", "B.didAppear"));
  EXPECT_EQ(a->view()->superview(), nullptr);
  log->clear();
  EXPECT_EQ(navigation->popViewController(false), b);
  EXPECT_THAT(*log, ElementsAre("B.willDisappear", "A.willAppear", "B.didDisappear", "A.didAppear"));
  EXPECT_EQ(b->navigationController(), nullptr);
}

// Only the old and the new top screens hear of it.
TEST_F(NavigationTest, SetViewControllersAndPopToChangeTheStackInOneStep) {
  navigation->pushViewController(b, false);
  navigation->pushViewController(c, false);
  log->clear();
  navigation->setViewControllers({a, b}, true);
  EXPECT_THAT(navigation->viewControllers(), ElementsAre(a, b));
  EXPECT_THAT(*log, ElementsAre("C.willDisappear", "B.willAppear", "C.didDisappear", "B.didAppear"));
  EXPECT_EQ(c->parent(), nullptr);
  navigation->setViewControllers({a, a, nullptr, b, c}, false);  // repeats and empties are dropped
  EXPECT_THAT(navigation->viewControllers(), ElementsAre(a, b, c));
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

TEST_F(NavigationTest, SwipeBackAsksTheDelegateAndNeedsTwoScreens) {
  struct Delegate : ui::GestureRecognizerDelegate {
    bool gestureRecognizerShouldBegin(ui::GestureRecognizer&) override {
      ++asked;
      return allow;
    }
    bool allow = false;
    int asked = 0;
  };
  auto delegate = std::make_shared<Delegate>();
  navigation->interactivePopGestureRecognizer().setDelegate(delegate);
  EXPECT_FALSE(navigation->performSwipeBack());
  EXPECT_EQ(delegate->asked, 0);
  navigation->pushViewController(b, false);
  EXPECT_FALSE(navigation->performSwipeBack());
  EXPECT_THAT(navigation->viewControllers(), ElementsAre(a, b));
  delegate->allow = true;
  EXPECT_TRUE(navigation->performSwipeBack());
  EXPECT_THAT(navigation->viewControllers(), ElementsAre(a));
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

}  // namespace
}  // namespace zephro::testing
