#pragma once

#include "zephro/platform/gtk/callback_trampoline.h"
#include "zephro/platform/gtk/gtk_view_peer.h"
#include "zephro/platform/ui/button.h"

namespace zephro::platform::gtk {

// A button as a flat GtkButton whose clicks reach the model button's actions.
class ButtonPeer : public GtkViewPeer {
 public:
  explicit ButtonPeer(ui::Button& button);

  void contentChanged() override;
  void appearanceChanged() override;
  std::optional<ui::Size> measureContent(ui::Size available) override;

 private:
  ui::Button& button_;
  GObjectRef<GtkWidget> widget_;
  GObjectRef<GtkWidget> title_;
  SignalConnection clicked_;
};

}  // namespace zephro::platform::gtk
