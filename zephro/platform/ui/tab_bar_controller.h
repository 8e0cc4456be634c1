#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include "zephro/platform/ui/geometry.h"
#include "zephro/platform/ui/view_controller.h"

namespace zephro::platform::ui {

class TabBar;

// Tabs side by side, one on screen at a time, chosen through the tab bar.
class TabBarController : public ViewController {
 public:
  using Tabs = std::vector<std::shared_ptr<ViewController>>;

  TabBarController();
  ~TabBarController() override;

  static std::shared_ptr<TabBarController> make();

  const Tabs& viewControllers() const { return tabs_; }
  // Keeps the selected tab when it stays, else selects the first. Controllers
  // that another container holds, and repeats, are left out.
  void setViewControllers(const Tabs& controllers, bool animated = false);

  // Absent only while there are no tabs.
  std::optional<std::size_t> selectedIndex() const { return selected_; }
  // Out-of-range indexes are ignored.
  void setSelectedIndex(std::size_t index);
  std::shared_ptr<ViewController> selectedViewController() const;
  void setSelectedViewController(const std::shared_ptr<ViewController>& controller);

  std::shared_ptr<TabBar> tabBar();

  void loadView() override;

 protected:
  std::vector<std::shared_ptr<ViewController>> appearanceChildren() const override;
  bool managesChildAppearance() const override { return true; }
  void layoutContainedViews() override;

 private:
  void switchTo(const std::shared_ptr<ViewController>& from, const std::shared_ptr<ViewController>& to);
  Rect contentFrame() const;

  Tabs tabs_;
  std::optional<std::size_t> selected_;
  std::shared_ptr<TabBar> bar_;
};

}  // namespace zephro::platform::ui
