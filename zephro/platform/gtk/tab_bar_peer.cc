#include "zephro/platform/gtk/tab_bar_peer.h"

#include <algorithm>

#include "zephro/platform/gtk/frame_box.h"
#include "zephro/platform/gtk/icon_texture.h"
#include "zephro/platform/gtk/kit_style.h"
#include "zephro/platform/gtk/text_style.h"

namespace zephro::platform::gtk {
namespace {

const ui::Color kDefaultSelectedTint = ui::Color::rgb255(0, 122, 255);
const ui::Color kDefaultUnselectedTint = ui::Color::rgb255(153, 153, 153);
const ui::Color kHairline(0, 0, 0, 0.3);
constexpr double kTitleSize = 10;

// Icons larger than the bar allows are drawn smaller, keeping their shape, so
// that the title stays visible under them.
constexpr double kLargestIcon = 28;

ui::Size fitted(ui::Size size) {
  const double scale = std::min(1.0, kLargestIcon / std::max({size.width, size.height, 1.0}));
  return {size.width * scale, size.height * scale};
}

GtkWidget* makeHairline() {
  GtkWidget* line = frameBoxNew();
  frameBoxSetBackground(line, kHairline);
  gtk_widget_set_size_request(line, -1, 1);
  return line;
}

}  // namespace

TabBarPeer::TabBarPeer(ui::TabBar& bar)
    : GtkViewPeer(bar),
      bar_(bar),
      layout_(GObjectRef<GtkWidget>::sink(gtk_box_new(GTK_ORIENTATION_VERTICAL, 0))),
      row_(GObjectRef<GtkWidget>::sink(gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 0))) {
  gtk_box_set_homogeneous(GTK_BOX(row_.get()), TRUE);
  gtk_widget_set_vexpand(row_.get(), TRUE);
  gtk_box_append(GTK_BOX(layout_.get()), makeHairline());
  gtk_box_append(GTK_BOX(layout_.get()), row_.get());
  setContent(layout_.get());
  // The base constructor could not reach this class's appearance: colours set
  // before the bar was first shown would be lost.
  appearanceChanged();
}

void TabBarPeer::appearanceChanged() {
  GtkViewPeer::appearanceChanged();
  // An opaque bar: the bar tint, else white, behind the items.
  frameBoxSetBackground(widget(), bar_.barTintColor().value_or(ui::Color::white()));
  // Tint colours change the items.
  if (row_) contentChanged();
}

void TabBarPeer::contentChanged() {
  itemClicks_.clear();
  for (const auto& item : items_) gtk_box_remove(GTK_BOX(row_.get()), item.get());
  items_.clear();
  const auto tabs = bar_.items();
  const auto selected = bar_.selectedIndex();
  for (std::size_t index = 0; index < tabs.size(); ++index) {
    auto item = makeItem(tabs[index], selected == index);
    itemClicks_.push_back(SignalConnection::connect<void(GtkButton*)>(
        item.get(), "clicked", [this, index](GtkButton*) { bar_.selectItem(index); }));
    gtk_box_append(GTK_BOX(row_.get()), item.get());
    items_.push_back(std::move(item));
  }
}

GObjectRef<GtkWidget> TabBarPeer::makeItem(const ui::TabBarItem& item, bool selected) const {
  const auto tint = selected ? bar_.tintColor().value_or(kDefaultSelectedTint)
                             : bar_.unselectedItemTintColor().value_or(kDefaultUnselectedTint);
  auto button = GObjectRef<GtkWidget>::sink(gtk_button_new());
  gtk_widget_add_css_class(button.get(), kBareButtonClass);
  GtkWidget* column = gtk_box_new(GTK_ORIENTATION_VERTICAL, 2);
  gtk_widget_set_valign(column, GTK_ALIGN_CENTER);
  const auto& image = selected && item.selectedImage ? item.selectedImage : item.image;
  if (image) {
    const bool painted = image->renderingMode() != ui::ImageRenderingMode::alwaysOriginal;
    if (auto icon = loadIconTexture(*image, painted ? std::optional(tint) : std::nullopt)) {
      GtkWidget* picture = gtk_picture_new_for_paintable(GDK_PAINTABLE(icon->texture.get()));
      const auto size = fitted(icon->pointSize);
      gtk_widget_set_size_request(picture, static_cast<int>(size.width), static_cast<int>(size.height));
      gtk_widget_set_halign(picture, GTK_ALIGN_CENTER);
      gtk_box_append(GTK_BOX(column), picture);
    }
  }
  GtkWidget* title = gtk_label_new(item.title.c_str());
  setLabelStyle(GTK_LABEL(title), tint, kTitleSize);
  gtk_box_append(GTK_BOX(column), title);
  gtk_button_set_child(GTK_BUTTON(button.get()), column);
  return button;
}

}  // namespace zephro::platform::gtk
