#include "zephro/testing/recording_renderer.h"

namespace zephro::testing {

namespace ui = platform::ui;

std::shared_ptr<RecordingRenderer> RecordingRenderer::install() {
  auto renderer = std::make_shared<RecordingRenderer>();
  ui::setRenderer(renderer);
  return renderer;
}

std::shared_ptr<ui::ViewPeer> RecordingRenderer::makeViewPeer(ui::View& /*view*/) {
  return std::make_shared<ui::ViewPeer>();
}

std::shared_ptr<ui::WindowPeer> RecordingRenderer::makeWindowPeer(ui::Window& /*window*/) {
  return std::make_shared<ui::WindowPeer>();
}

void RecordingRenderer::animateTransition(const ui::Transition& transition, std::function<void()> done) {
  animated.push_back(transition.kind);
  done();
}

}  // namespace zephro::testing
