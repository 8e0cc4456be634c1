#include "zephro/platform/ui/view_controller.h"

#include <algorithm>
#include <utility>

#include "zephro/platform/ui/navigation_controller.h"
#include "zephro/platform/ui/screen.h"
#include "zephro/platform/ui/tab_bar.h"
#include "zephro/platform/ui/tab_bar_controller.h"
#include "zephro/platform/ui/view.h"

namespace zephro::platform::ui {

namespace {
template <typename Container>
std::shared_ptr<Container> nearestAncestor(std::shared_ptr<ViewController> controller) {
  for (; controller; controller = controller->parent()) {
    if (auto container = std::dynamic_pointer_cast<Container>(controller)) return container;
  }
  return nullptr;
}
}  // namespace

ViewController::ViewController() = default;
ViewController::~ViewController() = default;

std::shared_ptr<ViewController> ViewController::make() { return std::make_shared<ViewController>(); }

std::shared_ptr<View> ViewController::view() {
  if (view_ || loadingView_) return view_;
  auto self = weak_from_this().lock();  // the hooks may drop outside references
  loadingView_ = true;
  loadView();
  if (!view_) setView(View::make(Screen::main().bounds()));
  loadingView_ = false;
  viewDidLoad();
  return view_;
}

void ViewController::setView(std::shared_ptr<View> view) {
  if (view_) view_->setOwningViewController({});
  view_ = std::move(view);
  if (view_) view_->setOwningViewController(weak_from_this());
}

void ViewController::loadView() { setView(View::make(Screen::main().bounds())); }

void ViewController::addChildViewController(const std::shared_ptr<ViewController>& child) {
  // A contained controller leaves its parent first (a stack or tab list would
  // otherwise keep a controller it no longer contains); presented ones stand
  // alone; an ancestor would make a cycle.
  if (!child || child.get() == this || child->parent() || !child->presenting_.expired()) return;
  for (auto ancestor = parent(); ancestor; ancestor = ancestor->parent()) {
    if (ancestor == child) return;
  }
  auto self = weak_from_this().lock();
  if (!self) return;
  child->willMoveToParentViewController(self);
  children_.push_back(child);
  child->parent_ = self;
  child->viewMovedToSuperview();
}

ViewController::ChildChange ViewController::exchangeChildren(const Controllers& current, Controllers& next) {
  auto contains = [](const Controllers& list, const auto& controller) {
    return std::find(list.begin(), list.end(), controller) != list.end();
  };
  Controllers accepted;
  for (const auto& controller : next) {
    if (!controller || controller.get() == this || contains(accepted, controller)) continue;
    if (auto owner = controller->parent(); owner && owner.get() != this) continue;
    accepted.push_back(controller);
  }
  ChildChange change;
  std::copy_if(current.begin(), current.end(), std::back_inserter(change.removed),
               [&](const auto& controller) { return !contains(accepted, controller); });
  for (const auto& controller : change.removed) controller->willMoveToParentViewController(nullptr);
  for (const auto& controller : accepted) {
    if (contains(current, controller)) continue;
    addChildViewController(controller);
    if (controller->parent().get() == this) change.added.push_back(controller);
  }
  std::erase_if(accepted, [this](const auto& controller) { return controller->parent().get() != this; });
  for (const auto& controller : change.removed) controller->removeFromParentViewController();
  next = std::move(accepted);
  return change;
}

void ViewController::removeFromParentViewController() {
  auto former = parent();
  if (!former) return;
  auto self = weak_from_this().lock();  // the parent may hold the last reference
  std::erase_if(former->children_, [this](const auto& child) { return child.get() == this; });
  parent_.reset();
  didMoveToParentViewController(nullptr);
}

std::shared_ptr<NavigationController> ViewController::navigationController() const {
  return nearestAncestor<NavigationController>(parent());
}

std::shared_ptr<TabBarController> ViewController::tabBarController() const {
  return nearestAncestor<TabBarController>(parent());
}

void ViewController::setTabBarItem(TabBarItem item) {
  tabBarItem_ = std::move(item);
  if (auto tabs = tabBarController()) tabs->tabBar()->itemsChanged();
}

bool ViewController::isAppearingOrAppeared() const {
  return appearanceState_ == AppearanceState::appearing || appearanceState_ == AppearanceState::appeared;
}

void ViewController::beginAppearanceTransition(bool appearing, bool animated) {
  if (appearing == isAppearingOrAppeared()) return;
  auto self = weak_from_this().lock();
  appearanceState_ = appearing ? AppearanceState::appearing : AppearanceState::disappearing;
  appearanceAnimated_ = animated;
  if (appearing) {
    view();
    viewWillAppear(animated);
  } else {
    viewWillDisappear(animated);
  }
  for (const auto& child : appearanceChildren()) child->beginAppearanceTransition(appearing, animated);
}

void ViewController::endAppearanceTransition() {
  auto self = weak_from_this().lock();
  if (appearanceState_ == AppearanceState::appearing) {
    appearanceState_ = AppearanceState::appeared;
    viewDidAppear(appearanceAnimated_);
  } else if (appearanceState_ == AppearanceState::disappearing) {
    appearanceState_ = AppearanceState::disappeared;
    viewDidDisappear(appearanceAnimated_);
  } else {
    return;
  }
  for (const auto& child : appearanceChildren()) child->endAppearanceTransition();
}

std::vector<std::shared_ptr<ViewController>> ViewController::appearanceChildren() const {
  std::vector<std::shared_ptr<ViewController>> onScreen;
  std::copy_if(children_.begin(), children_.end(), std::back_inserter(onScreen),
               [this](const auto& child) { return child->viewIsInTreeOf(*this); });
  return onScreen;
}

bool ViewController::viewIsInTreeOf(const ViewController& ancestor) const {
  return view_ && ancestor.view_ && view_->isDescendantOf(*ancestor.view_);
}

bool ViewController::parentShowsChildAppearance() const {
  auto container = parent();
  return container && !container->managesChildAppearance();
}

// A child whose view enters the tree of a parent on screen appears with it.
void ViewController::viewMovedToSuperview() {
  auto container = parent();
  if (!parentShowsChildAppearance() || !viewIsInTreeOf(*container)) return;
  if (!container->isAppearingOrAppeared() || isAppearingOrAppeared()) return;
  beginAppearanceTransition(true, false);
  // While the parent is still appearing, its own end finishes the child's.
  if (container->appearanceState() == AppearanceState::appeared) endAppearanceTransition();
}

void ViewController::viewRemovedFromSuperview() {
  if (!parentShowsChildAppearance() || !isAppearingOrAppeared()) return;
  beginAppearanceTransition(false, false);
  endAppearanceTransition();
}

}  // namespace zephro::platform::ui
