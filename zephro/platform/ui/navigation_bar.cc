#include "zephro/platform/ui/navigation_bar.h"

#include <utility>

#include "zephro/platform/ui/navigation_controller.h"

namespace zephro::platform::ui {

NavigationBar::NavigationBar(std::weak_ptr<NavigationController> controller)
    : controller_(std::move(controller)) {}

std::string NavigationBar::title() const {
  auto controller = controller_.lock();
  auto top = controller ? controller->topViewController() : nullptr;
  return top ? top->navigationItem().title : std::string();
}

std::optional<std::string> NavigationBar::backButtonTitle() const {
  auto controller = controller_.lock();
  if (!controller || controller->viewControllers().size() < 2) return std::nullopt;
  const auto& stack = controller->viewControllers();
  const auto& below = stack[stack.size() - 2];
  return below->navigationItem().backButtonTitle.value_or(defaultBackTitle);
}

void NavigationBar::sendBackAction() {
  if (auto controller = controller_.lock()) controller->popViewController(true);
}

}  // namespace zephro::platform::ui
