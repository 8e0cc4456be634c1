#include "zephro/platform/ui/tab_bar_controller.h"

#include <algorithm>

#include "zephro/platform/ui/screen.h"
#include "zephro/platform/ui/tab_bar.h"
#include "zephro/platform/ui/view.h"

namespace zephro::platform::ui {

TabBarController::TabBarController() = default;
TabBarController::~TabBarController() = default;

std::shared_ptr<TabBarController> TabBarController::make() { return std::make_shared<TabBarController>(); }

void TabBarController::setViewControllers(const Tabs& controllers, bool /*animated*/) {
  auto self = weak_from_this().lock();
  if (!self) return;
  auto from = selectedViewController();
  Tabs next = controllers;
  const ChildChange change = exchangeChildren(tabs_, next);
  tabs_ = std::move(next);
  auto kept = std::find(tabs_.begin(), tabs_.end(), from);
  if (kept != tabs_.end()) {
    selected_ = static_cast<std::size_t>(kept - tabs_.begin());
  } else {
    selected_ = tabs_.empty() ? std::nullopt : std::optional<std::size_t>(0);
  }
  switchTo(from, selectedViewController());
  for (const auto& controller : change.added) controller->didMoveToParentViewController(self);
  tabBar()->itemsChanged();
}

void TabBarController::setSelectedIndex(std::size_t index) {
  if (index >= tabs_.size() || selected_ == index) return;
  auto from = selectedViewController();
  selected_ = index;
  switchTo(from, tabs_[index]);
  tabBar()->itemsChanged();
}

std::shared_ptr<ViewController> TabBarController::selectedViewController() const {
  return selected_ ? tabs_[*selected_] : nullptr;
}

void TabBarController::setSelectedViewController(const std::shared_ptr<ViewController>& controller) {
  auto found = std::find(tabs_.begin(), tabs_.end(), controller);
  if (found != tabs_.end()) setSelectedIndex(static_cast<std::size_t>(found - tabs_.begin()));
}

std::shared_ptr<TabBar> TabBarController::tabBar() {
  if (!bar_) {
    bar_ = std::make_shared<TabBar>(std::static_pointer_cast<TabBarController>(weak_from_this().lock()));
  }
  return bar_;
}

// Tab switches are immediate: the old tab disappears as the new one appears.
void TabBarController::switchTo(const std::shared_ptr<ViewController>& from,
                                const std::shared_ptr<ViewController>& to) {
  if (from == to || !isViewLoaded()) return;
  auto toView = to ? to->view() : nullptr;
  const bool onScreen = isAppearingOrAppeared();
  if (onScreen) {
    if (from) from->beginAppearanceTransition(false, false);
    if (to) to->beginAppearanceTransition(true, false);
  }
  if (auto fromView = from ? from->viewIfLoaded() : nullptr; fromView && fromView->superview() == viewIfLoaded()) {
    fromView->removeFromSuperview();
  }
  if (toView) {
    toView->setFrame(contentFrame());
    view()->insertSubview(toView, 0);
  }
  if (onScreen) {
    if (from) from->endAppearanceTransition();
    if (to) to->endAppearanceTransition();
  }
}

void TabBarController::loadView() {
  auto container = View::make(Screen::main().bounds());
  setView(container);
  container->addSubview(tabBar());
  if (auto selected = selectedViewController()) {
    auto selectedView = selected->view();
    selectedView->setFrame(contentFrame());
    container->insertSubview(selectedView, 0);
  }
}

std::vector<std::shared_ptr<ViewController>> TabBarController::appearanceChildren() const {
  if (auto selected = selectedViewController()) return {selected};
  return {};
}

void TabBarController::layoutContainedViews() {
  auto container = viewIfLoaded();
  if (!container) return;
  const Rect bounds = container->bounds();
  tabBar()->setFrame(Rect::make(0, std::max(0.0, bounds.height() - TabBar::height), bounds.width(),
                                std::min(TabBar::height, bounds.height())));
  if (auto selected = selectedViewController(); selected && selected->isViewLoaded()) {
    selected->viewIfLoaded()->setFrame(contentFrame());
  }
}

// The selected tab fills the container above the bar.
Rect TabBarController::contentFrame() const {
  auto container = viewIfLoaded();
  if (!container) return Rect::zero();
  const Rect bounds = container->bounds();
  return Rect::make(0, 0, bounds.width(), std::max(0.0, bounds.height() - TabBar::height));
}

}  // namespace zephro::platform::ui
