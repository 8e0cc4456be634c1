#pragma once

#include <vector>

#include "zephro/platform/gtk/callback_trampoline.h"
#include "zephro/platform/gtk/gtk_view_peer.h"
#include "zephro/platform/ui/tab_bar.h"

namespace zephro::platform::gtk {

// The bottom bar of a tab screen: one button per tab (icon over title), the
// selected one in the tint colour, a hairline along the top edge, opaque.
class TabBarPeer : public GtkViewPeer {
 public:
  explicit TabBarPeer(ui::TabBar& bar);

  void contentChanged() override;
  void appearanceChanged() override;

  // The item buttons, in tab order (for tests and hosts that drive them).
  const std::vector<GObjectRef<GtkWidget>>& itemButtons() const { return items_; }

 private:
  GObjectRef<GtkWidget> makeItem(const ui::TabBarItem& item, bool selected) const;

  ui::TabBar& bar_;
  GObjectRef<GtkWidget> layout_;
  GObjectRef<GtkWidget> row_;
  std::vector<GObjectRef<GtkWidget>> items_;
  std::vector<SignalConnection> itemClicks_;
};

}  // namespace zephro::platform::gtk
