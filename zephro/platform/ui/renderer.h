#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "zephro/platform/ui/geometry.h"

namespace zephro::platform::ui {

class View;
class Window;

// A backend's counterpart of one view. The model calls it after each change;
// the peer reads the new state from the view it was made for.
class ViewPeer {
 public:
  virtual ~ViewPeer() = default;
  virtual void frameChanged() {}
  virtual void subviewsChanged() {}
  // Background, tint or visibility.
  virtual void appearanceChanged() {}
  // What a specialised view shows: text, title, image, colours of those.
  virtual void contentChanged() {}
  virtual void layersChanged() {}
  // The size the content needs measured with real fonts and images; nothing
  // lets the model fall back to its own estimate.
  virtual std::optional<Size> measureContent(Size /*available*/) { return std::nullopt; }
};

// A backend's counterpart of one window.
class WindowPeer {
 public:
  virtual ~WindowPeer() = default;
  virtual void rootViewControllerChanged() {}
  virtual void visibilityChanged() {}
};

enum class TransitionKind { push, pop, present, dismiss };

// A navigation change the renderer may animate. The model has already put
// `toView` into `container`; `fromView` leaves it once the transition ends.
struct Transition {
  TransitionKind kind = TransitionKind::push;
  std::shared_ptr<View> container;
  std::shared_ptr<View> fromView;
  std::shared_ptr<View> toView;
};

class Renderer {
 public:
  virtual ~Renderer() = default;
  virtual std::shared_ptr<ViewPeer> makeViewPeer(View& view) = 0;
  virtual std::shared_ptr<WindowPeer> makeWindowPeer(Window& window) = 0;
  // Must call `done` exactly once, on the main thread, when the animation ends.
  virtual void animateTransition(const Transition& transition, std::function<void()> done) = 0;
};

// Set once at start-up by a backend; none (headless) by default.
void setRenderer(std::shared_ptr<Renderer> renderer);
std::shared_ptr<Renderer> currentRenderer();

// Runs a transition through the renderer when animated and one is set;
// otherwise `done` runs at once, before this returns.
void performTransition(const Transition& transition, bool animated, std::function<void()> done);

}  // namespace zephro::platform::ui
