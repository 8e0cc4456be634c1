#pragma once

#include "zephro/platform/gtk/gtk_view_peer.h"
#include "zephro/platform/ui/button.h"

namespace zephro::platform::gtk {

// A button as a flat GtkButton whose clicks reach the model button's actions.
class ButtonPeer : public GtkViewPeer {
 public:
  explicit ButtonPeer(ui::Button& button);
  ~ButtonPeer() override;

  void contentChanged() override;
  void appearanceChanged() override;
  std::optional<ui::Size> measureContent(ui::Size available) override;

 private:
  static void onClicked(GtkButton* widget, gpointer self);

  ui::Button& button_;
  GObjectRef<GtkWidget> widget_;
  GObjectRef<GtkWidget> title_;
};

}  // namespace zephro::platform::gtk
