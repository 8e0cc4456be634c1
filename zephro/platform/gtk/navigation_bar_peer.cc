#include "zephro/platform/gtk/navigation_bar_peer.h"

#include <string>

#include "zephro/platform/gtk/kit_style.h"
#include "zephro/platform/gtk/text_style.h"

namespace zephro::platform::gtk {
namespace {

const ui::Color kBackTint = ui::Color::rgb255(0, 122, 255);
constexpr double kTitleSize = 17;
// The chevron that leads a back button's title.
constexpr const char* kBackChevron = "\u2039 ";

}  // namespace

NavigationBarPeer::NavigationBarPeer(ui::NavigationBar& bar)
    : GtkViewPeer(bar),
      bar_(bar),
      layout_(GObjectRef<GtkWidget>::sink(gtk_center_box_new())),
      back_(GObjectRef<GtkWidget>::sink(gtk_button_new())),
      backTitle_(GObjectRef<GtkWidget>::sink(gtk_label_new(nullptr))),
      title_(GObjectRef<GtkWidget>::sink(gtk_label_new(nullptr))) {
  gtk_widget_add_css_class(back_.get(), kBareButtonClass);
  gtk_widget_set_margin_start(back_.get(), 8);
  gtk_button_set_child(GTK_BUTTON(back_.get()), backTitle_.get());
  gtk_center_box_set_start_widget(GTK_CENTER_BOX(layout_.get()), back_.get());
  gtk_center_box_set_center_widget(GTK_CENTER_BOX(layout_.get()), title_.get());
  gtk_label_set_ellipsize(GTK_LABEL(title_.get()), PANGO_ELLIPSIZE_END);
  backClicked_ = SignalConnection::connect<void(GtkButton*)>(back_.get(), "clicked",
                                                             [this](GtkButton*) { bar_.sendBackAction(); });
  setContent(layout_.get());
  contentChanged();
}

void NavigationBarPeer::contentChanged() {
  gtk_label_set_text(GTK_LABEL(title_.get()), bar_.title().c_str());
  setLabelStyle(GTK_LABEL(title_.get()), ui::Color::black(), kTitleSize);
  const auto backTitle = bar_.backButtonTitle();
  gtk_widget_set_visible(back_.get(), backTitle.has_value());
  gtk_label_set_text(GTK_LABEL(backTitle_.get()), (kBackChevron + backTitle.value_or("")).c_str());
  setLabelStyle(GTK_LABEL(backTitle_.get()), bar_.tintColor().value_or(kBackTint), kTitleSize);
}

}  // namespace zephro::platform::gtk
