#include "zephro/platform/ui/tab_bar.h"

#include <utility>

#include "zephro/platform/ui/tab_bar_controller.h"

namespace zephro::platform::ui {

TabBar::TabBar(std::weak_ptr<TabBarController> controller) : controller_(std::move(controller)) {}

void TabBar::setBarTintColor(std::optional<Color> color) {
  if (color == barTintColor_) return;
  barTintColor_ = color;
  notifyPeerOfAppearance();
}

void TabBar::setUnselectedItemTintColor(std::optional<Color> color) {
  if (color == unselectedItemTintColor_) return;
  unselectedItemTintColor_ = color;
  notifyPeerOfAppearance();
}

void TabBar::setTranslucent(bool translucent) {
  if (translucent == translucent_) return;
  translucent_ = translucent;
  notifyPeerOfAppearance();
}

std::vector<TabBarItem> TabBar::items() const {
  std::vector<TabBarItem> items;
  if (auto controller = controller_.lock()) {
    for (const auto& tab : controller->viewControllers()) items.push_back(tab->tabBarItem());
  }
  return items;
}

std::optional<std::size_t> TabBar::selectedIndex() const {
  auto controller = controller_.lock();
  return controller ? controller->selectedIndex() : std::nullopt;
}

void TabBar::selectItem(std::size_t index) {
  if (auto controller = controller_.lock()) controller->setSelectedIndex(index);
}

}  // namespace zephro::platform::ui
