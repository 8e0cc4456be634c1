#include "zephro/h5/h5_content_view_stack.h"

#include <limits>
#include <utility>

#include "zephro/h5/h5_content_view_controller.h"
#include "zephro/platform/ui/navigation_controller.h"

namespace zephro {

void H5ContentViewStack::navigateTo(const std::string& page, std::optional<std::map<std::string, AnyCodable>> params,
                                    bool animated) {
  auto screen = H5ContentViewController::make(page, std::move(params));
  if (auto navigation = navigationController()) {
    navigation->pushViewController(screen, animated);
  } else {
    present(screen, animated);
  }
}

void H5ContentViewStack::pop(std::int64_t count, bool animated) {
  auto navigation = navigationController();
  if (!navigation) {
    dismiss(animated);
    return;
  }
  if (count == 0) {
    navigation->popViewController(animated);
    return;
  }
  if (count == std::numeric_limits<std::int64_t>::min()) return;
  auto removed = static_cast<std::size_t>(count < 0 ? -count : count);
  platform::ui::NavigationController::Stack stack = navigation->viewControllers();
  if (removed >= stack.size()) return;
  stack.resize(stack.size() - removed);
  navigation->setViewControllers(stack, animated);
}

}  // namespace zephro
