#include "zephro/platform/ui/renderer.h"

#include <utility>

namespace zephro::platform::ui {

namespace {
std::shared_ptr<Renderer>& installedRenderer() {
  static std::shared_ptr<Renderer> renderer;
  return renderer;
}
}  // namespace

void setRenderer(std::shared_ptr<Renderer> renderer) { installedRenderer() = std::move(renderer); }

std::shared_ptr<Renderer> currentRenderer() { return installedRenderer(); }

void performTransition(const Transition& transition, bool animated, std::function<void()> done) {
  auto renderer = currentRenderer();
  if (animated && renderer) {
    renderer->animateTransition(transition, std::move(done));
  } else {
    done();
  }
}

}  // namespace zephro::platform::ui
