#pragma once

#include "zephro/platform/gtk/gtk_view_peer.h"
#include "zephro/platform/ui/label.h"

namespace zephro::platform::gtk {

// A label's text in a GtkLabel: colour, size and line count from the model,
// measured with the real font for the model's layout.
class LabelPeer : public GtkViewPeer {
 public:
  explicit LabelPeer(ui::Label& label);

  void contentChanged() override;
  std::optional<ui::Size> measureContent(ui::Size available) override;

 private:
  ui::Label& label_;
  GObjectRef<GtkWidget> text_;
};

// The size `widget` needs at most `available` wide (negative: unbounded).
ui::Size measureWidget(GtkWidget* widget, ui::Size available);

}  // namespace zephro::platform::gtk
