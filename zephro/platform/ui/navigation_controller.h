#pragma once

#include <memory>
#include <vector>

#include "zephro/platform/ui/geometry.h"
#include "zephro/platform/ui/gesture_recognizer.h"
#include "zephro/platform/ui/renderer.h"
#include "zephro/platform/ui/view_controller.h"

namespace zephro::platform::ui {

class NavigationBar;

// A stack of screens, bottom first; only the top one is on screen.
class NavigationController : public ViewController {
 public:
  using Stack = std::vector<std::shared_ptr<ViewController>>;

  NavigationController();
  ~NavigationController() override;

  static std::shared_ptr<NavigationController> make(std::shared_ptr<ViewController> root = nullptr);

  const Stack& viewControllers() const { return stack_; }
  std::shared_ptr<ViewController> topViewController() const;

  // Controllers already in the stack, contained elsewhere or presented are
  // not taken; in a new stack, repeats count once.
  void pushViewController(const std::shared_ptr<ViewController>& controller, bool animated);
  // The popped screen; nothing on a one-screen stack.
  std::shared_ptr<ViewController> popViewController(bool animated);
  // The popped screens, bottom first; nothing when `controller` is not in the
  // stack or is already on top.
  Stack popToViewController(const std::shared_ptr<ViewController>& controller, bool animated);
  Stack popToRootViewController(bool animated);
  // Replaces the whole stack in one step; the change animates as a push when
  // the new top is new to the stack, otherwise as a pop.
  void setViewControllers(const Stack& controllers, bool animated);

  bool isNavigationBarHidden() const { return navigationBarHidden_; }
  void setNavigationBarHidden(bool hidden);
  void setNavigationBarHidden(bool hidden, bool animated);
  std::shared_ptr<NavigationBar> navigationBar();

  // The swipe-back gesture.
  GestureRecognizer& interactivePopGestureRecognizer() { return popGesture_; }
  // A completed swipe-back: pops the top screen, animated, when the stack has
  // at least two screens and the gesture may begin. Returns whether it popped.
  bool performSwipeBack();

  void loadView() override;

 protected:
  std::vector<std::shared_ptr<ViewController>> appearanceChildren() const override;
  bool managesChildAppearance() const override { return true; }
  void layoutContainedViews() override;

 private:
  void replaceStack(Stack stack, bool animated, TransitionKind kind);
  void showTop(const std::shared_ptr<ViewController>& from, const std::shared_ptr<ViewController>& to,
               bool animated, TransitionKind kind, const Stack& added);
  Rect contentFrame() const;

  Stack stack_;
  bool navigationBarHidden_ = false;
  std::shared_ptr<NavigationBar> bar_;
  GestureRecognizer popGesture_;
};

}  // namespace zephro::platform::ui
