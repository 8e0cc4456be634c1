#pragma once

#include <gtk/gtk.h>

#include <memory>
#include <utility>
#include <vector>

#include "zephro/platform/gtk/gobject_ref.h"
#include "zephro/platform/ui/renderer.h"
#include "zephro/platform/ui/view.h"

namespace zephro::platform::gtk {

// The peer of a plain view and the base of all others: a frame box placed at
// the view's frame in its superview's box, painting the background colour,
// holding an optional content widget (a label, a web view), then the widgets
// of the view's layers, then its subviews' widgets, in the model's order.
class GtkViewPeer : public ui::ViewPeer {
 public:
  explicit GtkViewPeer(ui::View& view);
  ~GtkViewPeer() override;

  // The peer of `view` when the GTK renderer made it (made now if needed).
  static GtkViewPeer* of(ui::View& view);

  GtkWidget* widget() const { return box_.get(); }

  void frameChanged() override;
  void subviewsChanged() override;
  void appearanceChanged() override;
  void layersChanged() override;

 protected:
  ui::View& view() const { return view_; }
  // Shows `content` filling the box, beneath layers and subviews.
  void setContent(GtkWidget* content);

 private:
  // Puts the box's children in the model's order, making subview peers.
  void syncTree();
  void syncLayerWidgets();
  std::vector<GtkWidget*> wantedChildren() const;

  ui::View& view_;
  GObjectRef<GtkWidget> box_;
  GObjectRef<GtkWidget> content_;
  std::vector<std::pair<const ui::Layer*, GObjectRef<GtkWidget>>> layerWidgets_;
};

}  // namespace zephro::platform::gtk
