#include "tests/platform/ui/ui_test_support.h"
#include "zephro/platform/ui/navigation_controller.h"
#include "zephro/platform/ui/view.h"

namespace zephro::testing {
namespace {

class ContainmentTest : public UiTest {
 protected:
  void SetUp() override { show(parent); }

  // Embeds the way a screen swaps its one child.
  void embed(const std::shared_ptr<ui::ViewController>& child) {
    parent->addChildViewController(child);
    parent->view()->addSubview(child->view());
    child->didMoveToParentViewController(parent);
  }

  std::shared_ptr<RecordingController> parent = controller("P");
};

TEST_F(ContainmentTest, ChildOfAVisibleParentAppearsAndDisappearsWithItsView) {
  auto first = controller("first");
  embed(first);
  first->willMoveToParentViewController(nullptr);
  first->view()->removeFromSuperview();
  first->removeFromParentViewController();
  auto second = controller("second");
  embed(second);
  EXPECT_THAT(*log, ElementsAre("first.load", "first.willAppear", "first.didAppear", "first.willDisappear",
                                "first.didDisappear", "second.load", "second.willAppear", "second.didAppear"));
  EXPECT_THAT(parent->children(), ElementsAre(second));
}

TEST_F(ContainmentTest, ParentForwardsAppearanceToChildrenOnScreenOnly) {
  embed(controller("shown"));
  parent->addChildViewController(controller("offscreen"));
  log->clear();
  window->setRootViewController(controller("other"));
  EXPECT_THAT(*log, ElementsAre("P.willDisappear", "shown.willDisappear", "P.didDisappear", "shown.didDisappear",
                                "other.load", "other.willAppear", "other.didAppear"));
}

TEST_F(ContainmentTest, RefusesCyclesAndControllersContainedElsewhere) {
  auto child = controller("child");
  parent->addChildViewController(child);
  child->addChildViewController(parent);
  child->addChildViewController(child);
  EXPECT_EQ(parent->parent(), nullptr);
  EXPECT_THAT(child->children(), IsEmpty());
  auto stacked = controller("stacked");
  auto navigation = ui::NavigationController::make(stacked);
  parent->addChildViewController(stacked);
  EXPECT_EQ(stacked->navigationController(), navigation);
  EXPECT_THAT(parent->children(), ElementsAre(child));
}

class PresentationTest : public UiTest {
 protected:
  void SetUp() override { show(navigation); }

  std::shared_ptr<RecordingController> host = controller("host");
  std::shared_ptr<ui::NavigationController> navigation = ui::NavigationController::make(host);
};

TEST_F(PresentationTest, PresentCoversThePresenterAndDismissUncoversIt) {
  auto modal = controller("modal");
  int completions = 0;
  host->present(modal, true, [&] { ++completions; });
  EXPECT_THAT(*log, ElementsAre("modal.load", "host.willDisappear", "modal.willAppear", "host.didDisappear",
                                "modal.didAppear"));
  EXPECT_EQ(modal->presentingViewController(), navigation);
  EXPECT_EQ(modal->view()->superview(), window);
  log->clear();
  modal->dismiss(true, [&] { ++completions; });
  EXPECT_THAT(*log, ElementsAre("modal.willDisappear", "host.willAppear", "modal.didDisappear", "host.didAppear"));
  EXPECT_EQ(modal->view()->superview(), nullptr);
  EXPECT_EQ(navigation->presentedViewController(), nullptr);
  EXPECT_EQ(completions, 2);
  host->dismiss(true, [&] { ++completions; });  // nothing presented: nothing to do
  EXPECT_EQ(completions, 2);
}

TEST_F(PresentationTest, DismissTakesEverythingPresentedAboveAndPresentingTwiceIsRefused) {
  auto first = controller("first");
  auto second = controller("second");
  host->present(first, false);
  host->present(second, false);  // the stack already presents
  EXPECT_EQ(navigation->presentedViewController(), first);
  first->present(second, false);
  EXPECT_EQ(first->presentedViewController(), second);
  navigation->dismiss(false);
  EXPECT_EQ(navigation->presentedViewController(), nullptr);
  EXPECT_EQ(second->presentingViewController(), nullptr);
  EXPECT_EQ(second->view()->superview(), nullptr);
  EXPECT_EQ(host->appearanceState(), ui::AppearanceState::appeared);
}

}  // namespace
}  // namespace zephro::testing
