// Modal presentation of view controllers, kept apart from containment and
// the life cycle in view_controller.cc.
#include <utility>

#include "zephro/platform/ui/renderer.h"
#include "zephro/platform/ui/view.h"
#include "zephro/platform/ui/view_controller.h"
#include "zephro/platform/ui/window.h"

namespace zephro::platform::ui {

namespace {
std::shared_ptr<Window> windowOf(const ViewController& controller) {
  auto view = controller.viewIfLoaded();
  return view ? view->window() : nullptr;
}
}  // namespace

// Presentations are recorded on the outermost container, so that a screen
// deep inside a navigation stack presents and dismisses on behalf of it.
std::shared_ptr<ViewController> ViewController::outermostContainer() const {
  // Presentation state is changed through this pointer, which is why the
  // constness of the starting point is dropped.
  auto outermost = std::const_pointer_cast<ViewController>(weak_from_this().lock());
  while (outermost && outermost->parent()) outermost = outermost->parent();
  return outermost;
}

void ViewController::present(const std::shared_ptr<ViewController>& controller, bool animated,
                             Completion completion) {
  if (!controller || controller->parent() || controller->presented_ ||
      !controller->presenting_.expired()) {
    return;
  }
  auto presenter = outermostContainer();
  if (!presenter || presenter->presented_ || presenter == controller) return;
  presenter->presented_ = controller;
  controller->presenting_ = presenter;

  auto window = windowOf(*presenter);
  auto presentedView = controller->view();
  if (window) {
    presentedView->setFrame(window->bounds());
    window->addSubview(presentedView);
  }
  const bool onScreen = presenter->isAppearingOrAppeared();
  if (onScreen) {
    presenter->beginAppearanceTransition(false, animated);
    controller->beginAppearanceTransition(true, animated);
  }
  Transition transition{TransitionKind::present, window, presenter->viewIfLoaded(), presentedView};
  performTransition(transition, animated && onScreen && window,
                    [presenter, controller, onScreen, completion = std::move(completion)] {
                      if (onScreen) {
                        presenter->endAppearanceTransition();
                        controller->endAppearanceTransition();
                      }
                      if (completion) completion();
                    });
}

std::shared_ptr<ViewController> ViewController::presentationAnchor() const {
  auto outermost = outermostContainer();
  if (!outermost) return nullptr;
  if (outermost->presented_) return outermost;
  return outermost->presenting_.lock();
}

void ViewController::dismiss(bool animated, Completion completion) {
  auto anchor = presentationAnchor();
  if (!anchor) return;
  std::vector<std::shared_ptr<ViewController>> dismissed;
  for (auto controller = std::exchange(anchor->presented_, nullptr); controller;
       controller = std::exchange(controller->presented_, nullptr)) {
    controller->presenting_.reset();
    dismissed.push_back(controller);
  }
  auto top = dismissed.back();
  const bool onScreen = top->isAppearingOrAppeared();
  if (onScreen) {
    top->beginAppearanceTransition(false, animated);
    anchor->beginAppearanceTransition(true, animated);
  }
  auto window = windowOf(*top);
  Transition transition{TransitionKind::dismiss, window, top->viewIfLoaded(), anchor->viewIfLoaded()};
  performTransition(transition, animated && onScreen && window,
                    [anchor, dismissed, onScreen, completion = std::move(completion)] {
                      if (onScreen) {
                        dismissed.back()->endAppearanceTransition();
                        anchor->endAppearanceTransition();
                      }
                      for (const auto& controller : dismissed) {
                        if (auto view = controller->viewIfLoaded()) view->removeFromSuperview();
                      }
                      if (completion) completion();
                    });
}

std::shared_ptr<ViewController> ViewController::presentingViewController() const {
  auto outermost = outermostContainer();
  return outermost ? outermost->presenting_.lock() : nullptr;
}

std::shared_ptr<ViewController> ViewController::presentedViewController() const {
  auto outermost = outermostContainer();
  return outermost ? outermost->presented_ : nullptr;
}

}  // namespace zephro::platform::ui
