#include "zephro/platform/gtk/gtk_view_peer.h"

#include <algorithm>

#include "zephro/platform/gtk/frame_box.h"
#include "zephro/platform/gtk/layer_widgets.h"
#include "zephro/platform/ui/layer.h"

namespace zephro::platform::gtk {
namespace {

// Moves `child` into `box` right after `previous` (first when null), taking it
// from wherever it was, and shows it if it was parked.
void placeAfter(GtkWidget* box, GtkWidget* child, GtkWidget* previous) {
  if (gtk_widget_get_parent(child) == box) {
    if (gtk_widget_get_prev_sibling(child) != previous) gtk_widget_insert_after(child, box, previous);
  } else if (gtk_widget_get_parent(child) != nullptr) {
    const auto kept = GObjectRef<GtkWidget>::retain(child);  // unparenting drops the parent's reference
    gtk_widget_unparent(child);
    gtk_widget_insert_after(child, box, previous);
  } else {
    gtk_widget_insert_after(child, box, previous);
  }
  if (!gtk_widget_get_child_visible(child)) gtk_widget_set_child_visible(child, TRUE);
}

}  // namespace

GtkViewPeer::GtkViewPeer(ui::View& view) : view_(view), box_(GObjectRef<GtkWidget>::sink(frameBoxNew())) {
  frameChanged();
  appearanceChanged();
  layersChanged();
}

GtkViewPeer::~GtkViewPeer() {
  if (gtk_widget_get_parent(box_.get()) != nullptr) gtk_widget_unparent(box_.get());
}

GtkViewPeer* GtkViewPeer::of(ui::View& view) { return dynamic_cast<GtkViewPeer*>(view.peer().get()); }

void GtkViewPeer::frameChanged() { frameBoxSetChildFrame(box_.get(), view_.frame()); }

void GtkViewPeer::appearanceChanged() {
  frameBoxSetBackground(box_.get(), view_.backgroundColor());
  gtk_widget_set_visible(box_.get(), !view_.isHidden());
}

void GtkViewPeer::subviewsChanged() { syncTree(); }

void GtkViewPeer::layersChanged() {
  syncLayerWidgets();
  syncTree();
}

void GtkViewPeer::setContent(GtkWidget* content) {
  if (content_ && gtk_widget_get_parent(content_.get()) == box_.get()) gtk_widget_unparent(content_.get());
  content_ = GObjectRef<GtkWidget>::retain(content);
  if (content_) frameBoxSetChildFills(content_.get());
  syncTree();
}

void GtkViewPeer::syncLayerWidgets() {
  const auto& sublayers = view_.layer().sublayers();
  std::vector<std::pair<const ui::Layer*, GObjectRef<GtkWidget>>> kept;
  for (const auto& layer : sublayers) {
    auto known = std::find_if(layerWidgets_.begin(), layerWidgets_.end(),
                              [&](const auto& entry) { return entry.first == layer.get(); });
    GObjectRef<GtkWidget> widget =
        known != layerWidgets_.end() ? known->second : GObjectRef<GtkWidget>::sink(makeLayerWidget(*layer));
    if (!widget) continue;
    frameBoxSetChildFrame(widget.get(), layer->frame());
    kept.emplace_back(layer.get(), std::move(widget));
  }
  // A dropped layer's widget goes with it; nothing else would free it.
  for (const auto& [layer, widget] : layerWidgets_) {
    const bool dropped =
        std::none_of(kept.begin(), kept.end(), [&](const auto& entry) { return entry.second.get() == widget.get(); });
    if (dropped && gtk_widget_get_parent(widget.get()) == box_.get()) gtk_widget_unparent(widget.get());
  }
  layerWidgets_ = std::move(kept);
}

std::vector<GtkWidget*> GtkViewPeer::wantedChildren() const {
  std::vector<GtkWidget*> wanted;
  if (content_) wanted.push_back(content_.get());
  for (const auto& [layer, widget] : layerWidgets_) wanted.push_back(widget.get());
  for (const auto& subview : view_.subviews()) {
    if (auto* peer = of(*subview)) wanted.push_back(peer->widget());
  }
  return wanted;
}

void GtkViewPeer::syncTree() {
  const auto wanted = wantedChildren();
  GtkWidget* previous = nullptr;
  for (GtkWidget* child : wanted) {
    placeAfter(box_.get(), child, previous);
    previous = child;
  }
  // Whatever follows the wanted children is the box of a subview that left
  // the model's tree but lives on, a covered screen say: it stays here, parked
  // out of sight, until it is placed again or its peer goes. Taking it out
  // would unrealize it, and a WebKit view realized again keeps the frame
  // buffer of its earlier realization in both processes.
  GtkWidget* parked = previous != nullptr ? gtk_widget_get_next_sibling(previous) : gtk_widget_get_first_child(box_.get());
  for (; parked != nullptr; parked = gtk_widget_get_next_sibling(parked)) {
    if (gtk_widget_get_child_visible(parked)) gtk_widget_set_child_visible(parked, FALSE);
  }
}

}  // namespace zephro::platform::gtk
