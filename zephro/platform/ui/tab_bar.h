#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "zephro/platform/ui/tab_bar_item.h"
#include "zephro/platform/ui/view.h"

namespace zephro::platform::ui {

class TabBarController;

// The bar of tab items along the bottom of a tab bar controller. The tint
// colour (View::tintColor) colours the selected item.
class TabBar : public View {
 public:
  static constexpr double height = 49;

  explicit TabBar(std::weak_ptr<TabBarController> controller);

  const std::optional<Color>& barTintColor() const { return barTintColor_; }
  void setBarTintColor(std::optional<Color> color);
  const std::optional<Color>& unselectedItemTintColor() const { return unselectedItemTintColor_; }
  void setUnselectedItemTintColor(std::optional<Color> color);
  bool isTranslucent() const { return translucent_; }
  void setTranslucent(bool translucent);

  // One item per tab, in tab order, and the selected one.
  std::vector<TabBarItem> items() const;
  std::optional<std::size_t> selectedIndex() const;
  // What a click on an item does: selects its tab.
  void selectItem(std::size_t index);

  // Tabs, their items or the selection changed: the renderer reads them again.
  void itemsChanged() { contentChanged(); }

 private:
  std::weak_ptr<TabBarController> controller_;
  std::optional<Color> barTintColor_;
  std::optional<Color> unselectedItemTintColor_;
  bool translucent_ = true;
};

}  // namespace zephro::platform::ui
