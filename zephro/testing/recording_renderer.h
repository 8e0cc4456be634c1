// A renderer that finishes every transition at once and records which ones
// it was asked to animate (unanimated changes never reach a renderer).
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "zephro/platform/ui/renderer.h"

namespace zephro::testing {

class RecordingRenderer : public platform::ui::Renderer {
 public:
  // Makes one and sets it as the renderer.
  static std::shared_ptr<RecordingRenderer> install();

  std::shared_ptr<platform::ui::ViewPeer> makeViewPeer(platform::ui::View& view) override;
  std::shared_ptr<platform::ui::WindowPeer> makeWindowPeer(platform::ui::Window& window) override;
  void animateTransition(const platform::ui::Transition& transition, std::function<void()> done) override;

  // The kinds of the animated transitions so far; cleared by the test.
  std::vector<platform::ui::TransitionKind> animated;
};

}  // namespace zephro::testing
