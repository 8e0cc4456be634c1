#include "zephro/screens/zp_tabbar_view_controller.h"

#include "zephro/h5/h5_content_view_controller.h"
#include "zephro/platform/ui/image.h"
#include "zephro/platform/ui/screen.h"
#include "zephro/platform/ui/tab_bar.h"

namespace zephro {

namespace {

namespace ui = platform::ui;

const std::vector<ZPTabbarViewController::ViewControllerDesc>& defaultTabs() {
  static const std::vector<ZPTabbarViewController::ViewControllerDesc> tabs{
      {"首页", "tab/home", "home"},
      {"智家", "tab/smart", "smarthome"},
      {"服务", "tab/service", "register"},
      {"我的", "tab/me", "forgetpassword"},
  };
  return tabs;
}

// Tab icons keep their own colours: the bar must not tint them.
std::shared_ptr<ui::Image> originalImage(const std::string& name) {
  std::shared_ptr<ui::Image> image = ui::Image::named(name);
  return image ? image->withRenderingMode(ui::ImageRenderingMode::alwaysOriginal) : nullptr;
}

std::shared_ptr<ui::ViewController> makeTab(const ZPTabbarViewController::ViewControllerDesc& desc) {
  auto page = H5ContentViewController::make(desc.page, std::nullopt);
  page->setTabBarItem({desc.title, originalImage(desc.icon), originalImage(desc.icon + "_sel")});
  return page;
}

}  // namespace

ZPTabbarViewController::ZPTabbarViewController() : viewControllerDescs_(defaultTabs()) {}

std::shared_ptr<ZPTabbarViewController> ZPTabbarViewController::makeWithoutTabs() {
  return std::shared_ptr<ZPTabbarViewController>(new ZPTabbarViewController);
}

std::shared_ptr<ZPTabbarViewController> ZPTabbarViewController::make() {
  auto screen = makeWithoutTabs();
  screen->view()->setBackgroundColor(ui::Color::white());
  screen->buildTabs();
  screen->setupTabBarAppearance();
  return screen;
}

void ZPTabbarViewController::buildTabs() {
  Tabs tabs;
  for (const ViewControllerDesc& desc : viewControllerDescs_) tabs.push_back(makeTab(desc));
  setViewControllers(tabs, false);
}

const std::shared_ptr<ui::View>& ZPTabbarViewController::tabbarTopLine() {
  if (!tabbarTopLine_) {
    tabbarTopLine_ = ui::View::make();
    tabbarTopLine_->setBackgroundColor(ui::Color(0, 0, 0, 0.05));
  }
  return tabbarTopLine_;
}

void ZPTabbarViewController::setupTabBarAppearance() {
  std::shared_ptr<ui::TabBar> bar = tabBar();
  bar->setTintColor(ui::Color::rgb255(253, 125, 40));
  bar->setBarTintColor(ui::Color::rgb255(246, 246, 246));
  bar->setUnselectedItemTintColor(ui::Color::rgb255(139, 145, 150));
  bar->setTranslucent(false);
  bar->addSubview(tabbarTopLine());
}

void ZPTabbarViewController::viewWillLayoutSubviews() {
  TabBarController::viewWillLayoutSubviews();
  double onePixel = 1 / ui::Screen::main().scale();
  tabbarTopLine()->setFrame(ui::Rect::make(0, 0, tabBar()->bounds().width(), onePixel));
}

ui::StatusBarStyle ZPTabbarViewController::preferredStatusBarStyle() const { return ui::StatusBarStyle::darkContent; }

}  // namespace zephro
