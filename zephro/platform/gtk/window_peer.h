#pragma once

#include <gtk/gtk.h>

#include "zephro/platform/gtk/callback_trampoline.h"
#include "zephro/platform/gtk/gobject_ref.h"
#include "zephro/platform/ui/renderer.h"
#include "zephro/platform/ui/window.h"

namespace zephro::platform::gtk {

// A model window as a GtkWindow showing the window view's widget. Resizing
// the GtkWindow resizes the model window and runs a layout pass; coming back
// from being minimised posts the application's will-enter-foreground
// notification.
class WindowPeer : public ui::WindowPeer {
 public:
  explicit WindowPeer(ui::Window& window);
  ~WindowPeer() override;

  void rootViewControllerChanged() override {}
  void visibilityChanged() override;

  GtkWindow* gtkWindow() const { return GTK_WINDOW(window_.get()); }

 private:
  void followSize(ui::Size size);
  void onRealize(GtkWidget* widget);
  void onSurfaceState(GObject* surface);

  std::weak_ptr<ui::Window> model_;
  GObjectRef<GtkWidget> window_;
  GObjectRef<GdkSurface> surface_;
  SignalConnection realized_;
  SignalConnection surfaceState_;
  bool minimised_ = false;
};

// The GtkWindow showing `window`, once it was made visible under the GTK
// backend; null otherwise.
GtkWindow* gtkWindowOf(const ui::Window& window);

// New windows join this application, so that it keeps running while they
// are open. Null (the default) leaves them standalone.
void setWindowApplication(GtkApplication* application);

}  // namespace zephro::platform::gtk
