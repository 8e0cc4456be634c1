#pragma once

#include "zephro/platform/gtk/callback_trampoline.h"
#include "zephro/platform/gtk/gtk_view_peer.h"
#include "zephro/platform/ui/navigation_bar.h"

namespace zephro::platform::gtk {

// The bar of a navigation stack: the top screen's title in the middle and,
// when the stack has a screen below, a back button titled by that screen.
class NavigationBarPeer : public GtkViewPeer {
 public:
  explicit NavigationBarPeer(ui::NavigationBar& bar);

  void contentChanged() override;

 private:
  ui::NavigationBar& bar_;
  GObjectRef<GtkWidget> layout_;
  GObjectRef<GtkWidget> back_;
  GObjectRef<GtkWidget> backTitle_;
  GObjectRef<GtkWidget> title_;
  SignalConnection backClicked_;
};

}  // namespace zephro::platform::gtk
