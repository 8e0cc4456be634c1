#include "zephro/platform/ui/navigation_controller.h"

#include <algorithm>
#include <utility>

#include "zephro/platform/ui/navigation_bar.h"
#include "zephro/platform/ui/screen.h"
#include "zephro/platform/ui/view.h"

namespace zephro::platform::ui {

namespace {
bool contains(const NavigationController::Stack& stack, const std::shared_ptr<ViewController>& controller) {
  return std::find(stack.begin(), stack.end(), controller) != stack.end();
}
}  // namespace

NavigationController::NavigationController() = default;
NavigationController::~NavigationController() = default;

std::shared_ptr<NavigationController> NavigationController::make(std::shared_ptr<ViewController> root) {
  auto navigation = std::make_shared<NavigationController>();
  if (root) navigation->setViewControllers({std::move(root)}, false);
  return navigation;
}

std::shared_ptr<ViewController> NavigationController::topViewController() const {
  return stack_.empty() ? nullptr : stack_.back();
}

void NavigationController::pushViewController(const std::shared_ptr<ViewController>& controller,
                                              bool animated) {
  if (!controller || contains(stack_, controller)) return;
  auto next = stack_;
  next.push_back(controller);
  replaceStack(std::move(next), animated, TransitionKind::push);
}

std::shared_ptr<ViewController> NavigationController::popViewController(bool animated) {
  if (stack_.size() < 2) return nullptr;
  auto popped = stack_.back();
  replaceStack(Stack(stack_.begin(), stack_.end() - 1), animated, TransitionKind::pop);
  return popped;
}

NavigationController::Stack NavigationController::popToViewController(
    const std::shared_ptr<ViewController>& controller, bool animated) {
  auto found = std::find(stack_.begin(), stack_.end(), controller);
  if (found == stack_.end() || found + 1 == stack_.end()) return {};
  Stack popped(found + 1, stack_.end());
  replaceStack(Stack(stack_.begin(), found + 1), animated, TransitionKind::pop);
  return popped;
}

NavigationController::Stack NavigationController::popToRootViewController(bool animated) {
  if (stack_.empty()) return {};
  return popToViewController(stack_.front(), animated);
}

void NavigationController::setViewControllers(const Stack& controllers, bool animated) {
  const bool revealsKnownScreen = !controllers.empty() && contains(stack_, controllers.back());
  replaceStack(controllers, animated, revealsKnownScreen ? TransitionKind::pop : TransitionKind::push);
}

void NavigationController::replaceStack(Stack stack, bool animated, TransitionKind kind) {
  if (weak_from_this().expired()) return;
  auto from = topViewController();
  const ChildChange change = exchangeChildren(stack_, stack);
  stack_ = std::move(stack);
  if (bar_) bar_->itemsChanged();
  showTop(from, topViewController(), animated, kind, change.added);
}

void NavigationController::showTop(const std::shared_ptr<ViewController>& from,
                                   const std::shared_ptr<ViewController>& to, bool animated,
                                   TransitionKind kind, const Stack& added) {
  std::weak_ptr<NavigationController> weakSelf =
      std::static_pointer_cast<NavigationController>(shared_from_this());
  auto finishMoves = [weakSelf, added] {
    auto self = weakSelf.lock();
    for (const auto& controller : added) {
      if (self && controller->parent() == self) controller->didMoveToParentViewController(self);
    }
  };
  if (from == to || !isViewLoaded()) {
    finishMoves();
    return;
  }
  std::shared_ptr<View> toView;
  if (to) {
    toView = to->view();
    toView->setFrame(contentFrame());
    // A pushed screen slides in above the old one; a revealed one lies below.
    const auto& subviews = view()->subviews();
    auto barPosition = std::find(subviews.begin(), subviews.end(), bar_) - subviews.begin();
    view()->insertSubview(toView, kind == TransitionKind::push ? static_cast<std::size_t>(barPosition) : 0);
  }
  const bool onScreen = isAppearingOrAppeared();
  if (onScreen) {
    if (from) from->beginAppearanceTransition(false, animated);
    if (to) to->beginAppearanceTransition(true, animated);
  }
  Transition transition{kind, view(), from ? from->viewIfLoaded() : nullptr, toView};
  performTransition(transition, animated && onScreen, [weakSelf, from, to, onScreen, finishMoves] {
    auto self = weakSelf.lock();
    auto fromView = from ? from->viewIfLoaded() : nullptr;
    if (self && fromView && from != self->topViewController() &&
        fromView->superview() == self->viewIfLoaded()) {
      fromView->removeFromSuperview();
    }
    if (onScreen) {
      if (from) from->endAppearanceTransition();
      if (to) to->endAppearanceTransition();
    }
    finishMoves();
  });
}

void NavigationController::setNavigationBarHidden(bool hidden) {
  if (hidden == navigationBarHidden_) return;
  navigationBarHidden_ = hidden;
  if (bar_) bar_->setHidden(hidden);
  if (auto container = viewIfLoaded()) container->setNeedsLayout();
}

// The bar's peer animates its own visibility; the model's state changes at once.
void NavigationController::setNavigationBarHidden(bool hidden, bool /*animated*/) {
  setNavigationBarHidden(hidden);
}

std::shared_ptr<NavigationBar> NavigationController::navigationBar() {
  if (!bar_) {
    bar_ = std::make_shared<NavigationBar>(
        std::static_pointer_cast<NavigationController>(weak_from_this().lock()));
    bar_->setHidden(navigationBarHidden_);
  }
  return bar_;
}

bool NavigationController::performSwipeBack() {
  if (stack_.size() < 2 || !popGesture_.shouldBegin()) return false;
  return popViewController(true) != nullptr;
}

void NavigationController::loadView() {
  auto container = View::make(Screen::main().bounds());
  setView(container);
  container->addSubview(navigationBar());
  if (auto top = topViewController()) {
    auto topView = top->view();
    topView->setFrame(contentFrame());
    container->insertSubview(topView, 0);
  }
}

std::vector<std::shared_ptr<ViewController>> NavigationController::appearanceChildren() const {
  if (auto top = topViewController()) return {top};
  return {};
}

void NavigationController::layoutContainedViews() {
  auto container = viewIfLoaded();
  if (!container) return;
  if (bar_) bar_->setFrame(Rect::make(0, 0, container->bounds().width(), NavigationBar::height));
  if (auto top = topViewController(); top && top->isViewLoaded()) top->viewIfLoaded()->setFrame(contentFrame());
}

// The top screen fills the container below the bar, or all of it.
Rect NavigationController::contentFrame() const {
  auto container = viewIfLoaded();
  if (!container) return Rect::zero();
  Rect frame = container->bounds();
  if (!navigationBarHidden_) {
    frame.origin.y = NavigationBar::height;
    frame.size.height = std::max(0.0, frame.size.height - NavigationBar::height);
  }
  return frame;
}

}  // namespace zephro::platform::ui
