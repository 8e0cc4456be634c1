#include "zephro/testing/kit_screens.h"

#include "zephro/screens/zp_root_view_controller.h"

namespace zephro::testing {

namespace ui = platform::ui;

std::shared_ptr<H5ContentViewController> topPageOf(const ui::NavigationController& navigation) {
  std::shared_ptr<ui::ViewController> screen = navigation.topViewController();
  if (auto root = std::dynamic_pointer_cast<ZPRootViewController>(screen)) screen = root->child();
  return std::dynamic_pointer_cast<H5ContentViewController>(screen);
}

std::vector<std::string> stackNamesOf(const ui::NavigationController& navigation,
                                      const std::shared_ptr<ui::ViewController>& host) {
  std::vector<std::string> names;
  for (const auto& screen : navigation.viewControllers()) {
    if (screen == host) {
      names.push_back("host");
    } else if (std::dynamic_pointer_cast<ZPRootViewController>(screen)) {
      names.push_back("root");
    } else if (auto page = std::dynamic_pointer_cast<H5ContentViewController>(screen)) {
      names.push_back(page->pageName());
    } else {
      names.push_back("other");
    }
  }
  return names;
}

}  // namespace zephro::testing
