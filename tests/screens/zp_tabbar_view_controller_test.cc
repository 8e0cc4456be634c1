#include "zephro/screens/zp_tabbar_view_controller.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/support/kit_test.h"
#include "zephro/platform/foundation/notification_center.h"
#include "zephro/platform/ui/image.h"
#include "zephro/platform/ui/screen.h"
#include "zephro/platform/ui/tab_bar.h"

namespace zephro {
namespace {

namespace ui = platform::ui;
using testing::KitTest;

class TabbarTest : public KitTest {
 protected:
  ~TabbarTest() override { ui::Screen::main().setScale(2); }
};

TEST_F(TabbarTest, FourPageTabsWithTitlesAndOriginalIcons) {
  std::filesystem::remove(bundle.path() / "tab/me_sel.png");
  auto screen = ZPTabbarViewController::make();
  const std::vector<std::pair<std::string, std::string>> expected{
      {"首页", "home"}, {"智家", "smarthome"}, {"服务", "register"}, {"我的", "forgetpassword"}};
  ASSERT_EQ(screen->viewControllers().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    auto page = std::dynamic_pointer_cast<H5ContentViewController>(screen->viewControllers()[i]);
    ASSERT_TRUE(page);
    EXPECT_EQ(page->pageName(), expected[i].second);
    EXPECT_EQ(page->tabBarItem().title, expected[i].first);
    ASSERT_TRUE(page->tabBarItem().image) << i;
    EXPECT_EQ(page->tabBarItem().image->renderingMode(), ui::ImageRenderingMode::alwaysOriginal);
  }
  auto smart = screen->viewControllers()[1]->tabBarItem();
  EXPECT_EQ(smart.selectedImage->file(), bundle.path() / "tab/smart_sel.png");
  EXPECT_EQ(smart.selectedImage->renderingMode(), ui::ImageRenderingMode::alwaysOriginal);
  EXPECT_EQ(screen->viewControllers()[3]->tabBarItem().selectedImage, nullptr);
  EXPECT_EQ(screen->selectedIndex(), 0u);
}

TEST_F(TabbarTest, TheBarHasTheKitColoursAndIsOpaque) {
  auto screen = ZPTabbarViewController::make();
  auto bar = screen->tabBar();
  EXPECT_EQ(bar->tintColor(), ui::Color::rgb255(253, 125, 40));
  EXPECT_EQ(bar->barTintColor(), ui::Color::rgb255(246, 246, 246));
  EXPECT_EQ(bar->unselectedItemTintColor(), ui::Color::rgb255(139, 145, 150));
  EXPECT_FALSE(bar->isTranslucent());
  EXPECT_EQ(screen->view()->backgroundColor(), ui::Color::white());
  EXPECT_EQ(screen->preferredStatusBarStyle(), ui::StatusBarStyle::darkContent);
}

TEST_F(TabbarTest, TheTopLineIsOnePhysicalPixelAlongTheBarOnEachLayout) {
  ui::Screen::main().setScale(3);
  auto screen = ZPTabbarViewController::make();
  window->setRootViewController(screen);
  window->layoutIfNeeded();
  auto line = screen->tabbarTopLine();
  EXPECT_EQ(line->superview(), screen->tabBar());
  EXPECT_EQ(line->backgroundColor(), ui::Color(0, 0, 0, 0.05));
  EXPECT_EQ(line->frame(), ui::Rect::make(0, 0, screen->tabBar()->bounds().width(), 1.0 / 3));
  EXPECT_GT(line->frame().width(), 0);

  window->setFrame(ui::Rect::make(0, 0, 600, 800));
  window->layoutIfNeeded();
  EXPECT_EQ(line->frame().width(), screen->tabBar()->bounds().width());
}

TEST_F(TabbarTest, MadeWithoutBuildingTabsKeepsTheTableOnly) {
  auto screen = ZPTabbarViewController::makeWithoutTabs();
  EXPECT_TRUE(screen->viewControllers().empty());
  ASSERT_EQ(screen->viewControllerDescs().size(), 4u);
  EXPECT_EQ(screen->viewControllerDescs()[1].icon, "tab/smart");
  EXPECT_EQ(screen->tabbarTopLine(), screen->tabbarTopLine());
}

}  // namespace
}  // namespace zephro
