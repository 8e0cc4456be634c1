#include "zephro/platform/gtk/gtk_renderer.h"

#include "zephro/platform/gtk/button_peer.h"
#include "zephro/platform/gtk/label_peer.h"
#include "zephro/platform/gtk/navigation_bar_peer.h"
#include "zephro/platform/gtk/swipe_back_gesture.h"
#include "zephro/platform/gtk/tab_bar_peer.h"
#include "zephro/platform/gtk/transition_animation.h"
#include "zephro/platform/gtk/web_view_peer.h"
#include "zephro/platform/gtk/window_peer.h"
#include "zephro/platform/ui/view_controller.h"

namespace zephro::platform::gtk {
namespace {

std::shared_ptr<GtkViewPeer> makePeerOfKind(ui::View& view) {
  if (auto* webView = dynamic_cast<web::WebView*>(&view)) return std::make_shared<WebViewPeer>(*webView);
  if (auto* label = dynamic_cast<ui::Label*>(&view)) return std::make_shared<LabelPeer>(*label);
  if (auto* button = dynamic_cast<ui::Button*>(&view)) return std::make_shared<ButtonPeer>(*button);
  if (auto* bar = dynamic_cast<ui::NavigationBar*>(&view)) return std::make_shared<NavigationBarPeer>(*bar);
  if (auto* bar = dynamic_cast<ui::TabBar*>(&view)) return std::make_shared<TabBarPeer>(*bar);
  return std::make_shared<GtkViewPeer>(view);
}

}  // namespace

std::shared_ptr<ui::ViewPeer> GtkRenderer::makeViewPeer(ui::View& view) {
  auto peer = makePeerOfKind(view);
  if (auto navigation = std::dynamic_pointer_cast<ui::NavigationController>(view.owningViewController())) {
    attachSwipeBack(peer->widget(), navigation);
  }
  return peer;
}

std::shared_ptr<ui::WindowPeer> GtkRenderer::makeWindowPeer(ui::Window& window) {
  return std::make_shared<WindowPeer>(window);
}

void GtkRenderer::animateTransition(const ui::Transition& transition, std::function<void()> done) {
  gtk::animateTransition(transition, std::move(done));
}

}  // namespace zephro::platform::gtk
