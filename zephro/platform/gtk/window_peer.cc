#include "zephro/platform/gtk/window_peer.h"

#include <cmath>

#include "zephro/platform/dispatch/main_queue.h"
#include "zephro/platform/gtk/frame_box.h"
#include "zephro/platform/gtk/gtk_view_peer.h"
#include "zephro/platform/ui/application.h"

namespace zephro::platform::gtk {
namespace {

GtkApplication*& windowApplication() {
  static GtkApplication* application = nullptr;
  return application;
}

}  // namespace

void setWindowApplication(GtkApplication* application) { windowApplication() = application; }

GtkWindow* gtkWindowOf(const ui::Window& window) {
  auto* peer = dynamic_cast<WindowPeer*>(window.windowPeer().get());
  return peer != nullptr ? peer->gtkWindow() : nullptr;
}

WindowPeer::WindowPeer(ui::Window& window)
    : model_(std::static_pointer_cast<ui::Window>(window.shared_from_this())),
      window_(GObjectRef<GtkWidget>::retain(gtk_window_new())) {
  const auto frame = window.frame();
  gtk_window_set_default_size(gtkWindow(), static_cast<int>(std::lround(frame.width())),
                              static_cast<int>(std::lround(frame.height())));
  if (GtkApplication* application = windowApplication()) gtk_window_set_application(gtkWindow(), application);
  if (auto* root = GtkViewPeer::of(window)) {
    gtk_window_set_child(gtkWindow(), root->widget());
    frameBoxOnResize(root->widget(), [this](ui::Size size) { followSize(size); });
  }
  realized_ = SignalConnection::connect<void(GtkWidget*)>(window_.get(), "realize",
                                                          [this](GtkWidget* widget) { onRealize(widget); });
}

WindowPeer::~WindowPeer() {
  surfaceState_ = {};
  realized_ = {};
  if (GtkWidget* child = gtk_window_get_child(gtkWindow())) frameBoxOnResize(child, nullptr);
  gtk_window_destroy(gtkWindow());
}

void WindowPeer::visibilityChanged() {
  auto model = model_.lock();
  if (model && model->isVisible()) gtk_window_present(gtkWindow());
}

// GTK is mid-allocation here: the model's layout pass, which moves widgets,
// runs afterwards on the main queue.
void WindowPeer::followSize(ui::Size size) {
  std::weak_ptr<ui::Window> weakModel = model_;
  dispatch::MainQueue::async([weakModel, size] {
    auto model = weakModel.lock();
    if (!model || model->frame().size == size) return;
    model->setFrame({model->frame().origin, size});
    model->layoutIfNeeded();
  });
}

void WindowPeer::onRealize(GtkWidget* widget) {
  surface_ = GObjectRef<GdkSurface>::retain(gtk_native_get_surface(GTK_NATIVE(widget)));
  if (surface_ && GDK_IS_TOPLEVEL(surface_.get())) {
    surfaceState_ = SignalConnection::connect<void(GObject*, GParamSpec*)>(
        surface_.get(), "notify::state", [this](GObject* surface, GParamSpec*) { onSurfaceState(surface); });
  }
}

void WindowPeer::onSurfaceState(GObject* surface) {
  const bool minimised = (gdk_toplevel_get_state(GDK_TOPLEVEL(surface)) & GDK_TOPLEVEL_STATE_MINIMIZED) != 0;
  const bool restored = minimised_ && !minimised;
  minimised_ = minimised;
  if (restored) ui::Application::postWillEnterForeground();
}

}  // namespace zephro::platform::gtk
