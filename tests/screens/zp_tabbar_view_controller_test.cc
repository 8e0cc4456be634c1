#include "zephro/screens/zp_tabbar_view_controller.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "zephro/testing/kit_test.h"
#include "zephro/platform/ui/image.h"
#include "zephro/platform/ui/screen.h"
#include "zephro/platform/ui/tab_bar.h"

namespace zephro {
namespace {

namespace ui = platform::ui;

class TabbarTest : public testing::KitTest {
 protected:
  ~TabbarTest() override { ui::Screen::main().setScale(2); }
};

// A missing icon leaves its image out rather than failing the screen.
TEST_F(TabbarTest, FourPageTabsWithTitlesAndOriginalIcons) {
  std::filesystem::remove(bundle.path() / "tab/me_sel.png");
  auto screen = ZPTabbarViewController::make();
  const std::pair<std::string, std::string> expected[] = {
      {"首页", "home"}, {"智家", "smarthome"}, {"服务", "register"}, {"我的", "forgetpassword"}};
  ASSERT_EQ(screen->viewControllers().size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
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
}

TEST_F(TabbarTest, TheTopLineIsOnePhysicalPixelAlongTheBarOnEachLayout) {
  ui::Screen::main().setScale(3);
  auto screen = ZPTabbarViewController::make();
  window->setRootViewController(screen);
  window->layoutIfNeeded();
  auto line = screen->tabbarTopLine();
  EXPECT_EQ(line->superview(), screen->tabBar());
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
}

}  // namespace
}  // namespace zephro
