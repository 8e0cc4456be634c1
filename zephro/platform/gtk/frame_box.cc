#include "zephro/platform/gtk/frame_box.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "zephro/platform/gtk/text_style.h"

namespace zephro::platform::gtk {
namespace {

struct ChildPlacement {
  std::optional<ui::Rect> frame;  // none: fill the box
  ui::Point offset;
};

struct FrameBoxState {
  std::optional<ui::Color> background;
  std::function<void(ui::Size)> onResize;
  ui::Size lastSize{-1, -1};
};

GQuark placementQuark() { return g_quark_from_static_string("zephro-frame-box-placement"); }

ChildPlacement& placementOf(GtkWidget* child) {
  auto* placement = static_cast<ChildPlacement*>(g_object_get_qdata(G_OBJECT(child), placementQuark()));
  if (placement == nullptr) {
    placement = new ChildPlacement();
    g_object_set_qdata_full(G_OBJECT(child), placementQuark(), placement,
                            [](gpointer data) { delete static_cast<ChildPlacement*>(data); });
  }
  return *placement;
}

void queueParentAllocate(GtkWidget* child) {
  if (GtkWidget* parent = gtk_widget_get_parent(child)) gtk_widget_queue_allocate(parent);
}

}  // namespace
}  // namespace zephro::platform::gtk

// GObject boilerplate lives outside the C++ namespace, as the macros expect.
struct ZephroFrameBox {
  GtkWidget parent;
  zephro::platform::gtk::FrameBoxState* state;
};
struct ZephroFrameBoxClass {
  GtkWidgetClass parent;
};
G_DEFINE_TYPE(ZephroFrameBox, zephro_frame_box, GTK_TYPE_WIDGET)

namespace zephro::platform::gtk {
namespace {

FrameBoxState& stateOf(GtkWidget* box) {
  return *reinterpret_cast<ZephroFrameBox*>(G_TYPE_CHECK_INSTANCE_CAST(box, zephro_frame_box_get_type(), ZephroFrameBox))
              ->state;
}

void measure(GtkWidget*, GtkOrientation, int, int* minimum, int* natural, int*, int*) {
  *minimum = 0;
  *natural = 0;
}

void sizeAllocate(GtkWidget* box, int width, int height, int) {
  for (GtkWidget* child = gtk_widget_get_first_child(box); child != nullptr; child = gtk_widget_get_next_sibling(child)) {
    // Parked children are out of sight; they are placed again when shown.
    if (!gtk_widget_get_child_visible(child)) continue;
    // GTK insists on a measure before every allocation, even an imposed one.
    int unused = 0;
    gtk_widget_measure(child, GTK_ORIENTATION_HORIZONTAL, -1, &unused, nullptr, nullptr, nullptr);
    const auto& placement = placementOf(child);
    const ui::Rect frame = placement.frame.value_or(ui::Rect::make(0, 0, width, height));
    GtkAllocation allocation = {static_cast<int>(std::lround(frame.minX() + placement.offset.x)),
                                static_cast<int>(std::lround(frame.minY() + placement.offset.y)),
                                static_cast<int>(std::lround(std::max(frame.width(), 0.0))),
                                static_cast<int>(std::lround(std::max(frame.height(), 0.0)))};
    gtk_widget_size_allocate(child, &allocation, -1);
  }
  auto& state = stateOf(box);
  const ui::Size size{static_cast<double>(width), static_cast<double>(height)};
  if (state.onResize && size != state.lastSize) {
    state.lastSize = size;
    state.onResize(size);
  }
}

void snapshot(GtkWidget* box, GtkSnapshot* snapshot) {
  const auto& state = stateOf(box);
  graphene_rect_t bounds;
  graphene_rect_init(&bounds, 0, 0, static_cast<float>(gtk_widget_get_width(box)),
                     static_cast<float>(gtk_widget_get_height(box)));
  if (state.background) {
    const GdkRGBA colour = gdkColour(*state.background);
    gtk_snapshot_append_color(snapshot, &colour, &bounds);
  }
  for (GtkWidget* child = gtk_widget_get_first_child(box); child != nullptr; child = gtk_widget_get_next_sibling(child)) {
    gtk_widget_snapshot_child(box, child, snapshot);
  }
}

void dispose(GObject* object) {
  GtkWidget* box = GTK_WIDGET(object);
  while (GtkWidget* child = gtk_widget_get_first_child(box)) gtk_widget_unparent(child);
  G_OBJECT_CLASS(zephro_frame_box_parent_class)->dispose(object);
}

void finalize(GObject* object) {
  delete reinterpret_cast<ZephroFrameBox*>(object)->state;
  G_OBJECT_CLASS(zephro_frame_box_parent_class)->finalize(object);
}

}  // namespace
}  // namespace zephro::platform::gtk

static void zephro_frame_box_class_init(ZephroFrameBoxClass* klass) {
  namespace gtk = zephro::platform::gtk;
  G_OBJECT_CLASS(klass)->dispose = gtk::dispose;
  G_OBJECT_CLASS(klass)->finalize = gtk::finalize;
  auto* widgetClass = GTK_WIDGET_CLASS(klass);
  widgetClass->measure = gtk::measure;
  widgetClass->size_allocate = gtk::sizeAllocate;
  widgetClass->snapshot = gtk::snapshot;
}

static void zephro_frame_box_init(ZephroFrameBox* box) {
  box->state = new zephro::platform::gtk::FrameBoxState();
  gtk_widget_set_overflow(GTK_WIDGET(box), GTK_OVERFLOW_HIDDEN);
}

namespace zephro::platform::gtk {

GtkWidget* frameBoxNew() { return GTK_WIDGET(g_object_new(zephro_frame_box_get_type(), nullptr)); }

void frameBoxSetChildFrame(GtkWidget* child, ui::Rect frame) {
  placementOf(child).frame = frame;
  queueParentAllocate(child);
}

void frameBoxSetChildOffset(GtkWidget* child, ui::Point offset) {
  placementOf(child).offset = offset;
  queueParentAllocate(child);
}

void frameBoxSetChildFills(GtkWidget* child) {
  placementOf(child).frame.reset();
  queueParentAllocate(child);
}

void frameBoxSetBackground(GtkWidget* box, const std::optional<ui::Color>& color) {
  stateOf(box).background = color;
  gtk_widget_queue_draw(box);
}

void frameBoxOnResize(GtkWidget* box, std::function<void(ui::Size)> onResize) {
  auto& state = stateOf(box);
  state.onResize = std::move(onResize);
  state.lastSize = {-1, -1};
}

}  // namespace zephro::platform::gtk
