#pragma once

#include <memory>

#include "zephro/platform/ui/renderer.h"

namespace zephro::platform::gtk {

// Renders the model's view trees as GTK widgets: a peer per view, chosen by
// the view's kind, a GtkWindow per window, and sliding navigation transitions.
class GtkRenderer : public ui::Renderer {
 public:
  std::shared_ptr<ui::ViewPeer> makeViewPeer(ui::View& view) override;
  std::shared_ptr<ui::WindowPeer> makeWindowPeer(ui::Window& window) override;
  void animateTransition(const ui::Transition& transition, std::function<void()> done) override;
};

}  // namespace zephro::platform::gtk
