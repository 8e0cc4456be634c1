#include "zephro/platform/ui/tab_bar_controller.h"

#include "tests/platform/ui/ui_test_support.h"
#include "zephro/platform/ui/tab_bar.h"
#include "zephro/platform/ui/view.h"

namespace zephro::testing {
namespace {

class TabBarTest : public UiTest {
 protected:
  void SetUp() override {
    tabs->setViewControllers({first, second});
    show(tabs);
  }

  std::shared_ptr<RecordingController> first = controller("first");
  std::shared_ptr<RecordingController> second = controller("second");
  std::shared_ptr<ui::TabBarController> tabs = ui::TabBarController::make();
};

TEST_F(TabBarTest, SwitchingTabsSwapsAppearance) {
  tabs->tabBar()->selectItem(1);
  EXPECT_EQ(tabs->selectedViewController(), second);
  EXPECT_THAT(*log, ElementsAre("second.load", "first.willDisappear", "second.willAppear", "first.didDisappear",
                                "second.didAppear"));
  EXPECT_EQ(first->view()->superview(), nullptr);
  log->clear();
  tabs->setSelectedIndex(7);
  tabs->setSelectedIndex(1);
  EXPECT_THAT(*log, IsEmpty());
}

TEST_F(TabBarTest, BarSitsAtTheBottomWithTheTabsItemsAndTheTabAboveIt) {
  second->setTabBarItem({"second tab", nullptr, nullptr});
  window->layoutIfNeeded();
  EXPECT_EQ(tabs->tabBar()->frame(), ui::Rect::make(0, 795, 390, 49));
  EXPECT_EQ(first->view()->frame(), ui::Rect::make(0, 0, 390, 795));
  EXPECT_EQ(tabs->view()->subviews().back(), tabs->tabBar());
  ASSERT_EQ(tabs->tabBar()->items().size(), 2u);
  EXPECT_EQ(tabs->tabBar()->items()[1].title, "second tab");
}

}  // namespace
}  // namespace zephro::testing
