// The four-tab screen: one H5 page per tab, fixed labels and icons from the
// kit bundle, the kit's bar colours and a hairline along the bar's top edge.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "zephro/platform/ui/tab_bar_controller.h"
#include "zephro/platform/ui/view.h"

namespace zephro {

class ZPTabbarViewController : public platform::ui::TabBarController {
 public:
  // One tab: its label, its icon's image name (the selected icon adds
  // "_sel") and the page it shows.
  struct ViewControllerDesc {
    std::string title;
    std::string icon;
    std::string page;
  };

  // Builds the four tabs and the bar's appearance.
  static std::shared_ptr<ZPTabbarViewController> make();
  // The default table, but no tabs built and no appearance set.
  static std::shared_ptr<ZPTabbarViewController> makeWithoutTabs();

  const std::vector<ViewControllerDesc>& viewControllerDescs() const { return viewControllerDescs_; }
  // A view of black at 5% opacity, made on first read.
  const std::shared_ptr<platform::ui::View>& tabbarTopLine();
  // Bar colours, opaque bar, and the top line added to the bar.
  void setupTabBarAppearance();

  // The top line: the bar's width, one physical pixel high, at its top.
  void viewWillLayoutSubviews() override;
  platform::ui::StatusBarStyle preferredStatusBarStyle() const override;

 protected:
  ZPTabbarViewController();

 private:
  void buildTabs();

  std::vector<ViewControllerDesc> viewControllerDescs_;
  std::shared_ptr<platform::ui::View> tabbarTopLine_;
};

}  // namespace zephro
