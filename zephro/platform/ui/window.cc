#include "zephro/platform/ui/window.h"

#include <utility>

#include "zephro/platform/dispatch/main_queue.h"
#include "zephro/platform/ui/renderer.h"
#include "zephro/platform/ui/view_controller.h"

namespace zephro::platform::ui {

Window::Window(Rect frame) : View(frame) {}
Window::~Window() = default;

std::shared_ptr<Window> Window::make(Rect frame) { return std::make_shared<Window>(frame); }

void Window::setRootViewController(std::shared_ptr<ViewController> controller) {
  if (controller == root_) return;
  auto former = std::exchange(root_, std::move(controller));
  if (former) {
    if (visible_) former->beginAppearanceTransition(false, false);
    if (auto formerView = former->viewIfLoaded(); formerView && formerView->superview().get() == this) {
      formerView->removeFromSuperview();
    }
    if (visible_) former->endAppearanceTransition();
  }
  if (root_) {
    auto rootView = root_->view();
    rootView->setFrame(bounds());
    insertSubview(rootView, 0);
    if (visible_) showRoot();
  }
  if (windowPeer_) windowPeer_->rootViewControllerChanged();
}

void Window::makeKeyAndVisible() {
  if (visible_) return;
  visible_ = true;
  if (auto renderer = currentRenderer()) windowPeer_ = renderer->makeWindowPeer(*this);
  if (root_) {
    showRoot();
  } else {
    layoutIfNeeded();
  }
  if (windowPeer_) windowPeer_->visibilityChanged();
}

// Laid out between will- and did-appear, so that a screen has its final
// frame by the time it has appeared.
void Window::showRoot() {
  root_->beginAppearanceTransition(true, false);
  layoutIfNeeded();
  root_->endAppearanceTransition();
}

void Window::scheduleLayoutPass() {
  if (!visible_ || layoutScheduled_) return;
  layoutScheduled_ = true;
  std::weak_ptr<View> weakSelf = weak_from_this();
  dispatch::MainQueue::async([weakSelf] {
    auto self = std::static_pointer_cast<Window>(weakSelf.lock());
    if (!self) return;
    self->layoutScheduled_ = false;
    self->layoutIfNeeded();
  });
}

// The root view and every presented view fill the window.
void Window::layoutSubviews() {
  for (const auto& content : subviews()) content->setFrame(bounds());
  View::layoutSubviews();
}

}  // namespace zephro::platform::ui
