#include "zephro/platform/gtk/button_peer.h"

#include "zephro/platform/gtk/label_peer.h"
#include "zephro/platform/gtk/kit_style.h"
#include "zephro/platform/gtk/text_style.h"
#include "zephro/platform/ui/label.h"

namespace zephro::platform::gtk {
namespace {

// The system tint that titles of system buttons take without a tint colour.
const ui::Color kDefaultTint = ui::Color::rgb255(0, 122, 255);

}  // namespace

ButtonPeer::ButtonPeer(ui::Button& button)
    : GtkViewPeer(button),
      button_(button),
      widget_(GObjectRef<GtkWidget>::sink(gtk_button_new())),
      title_(GObjectRef<GtkWidget>::sink(gtk_label_new(nullptr))) {
  gtk_widget_add_css_class(widget_.get(), kBareButtonClass);
  gtk_button_set_child(GTK_BUTTON(widget_.get()), title_.get());
  // The model decides whether a click counts (enabled, visible).
  clicked_ =
      SignalConnection::connect<void(GtkButton*)>(widget_.get(), "clicked", [this](GtkButton*) { button_.tap(); });
  setContent(widget_.get());
  contentChanged();
}

void ButtonPeer::contentChanged() {
  gtk_label_set_text(GTK_LABEL(title_.get()), button_.currentTitle().value_or("").c_str());
  gtk_widget_set_sensitive(widget_.get(), button_.isEnabled());
  const auto tint = button_.tintColor().value_or(
      button_.buttonType() == ui::ButtonType::system ? kDefaultTint : ui::Color::black());
  setLabelStyle(GTK_LABEL(title_.get()), button_.isEnabled() ? tint : ui::Color(0.6, 0.6, 0.6), ui::Label::defaultFontSize);
}

void ButtonPeer::appearanceChanged() {
  GtkViewPeer::appearanceChanged();
  // The tint colours the title.
  contentChanged();
}

std::optional<ui::Size> ButtonPeer::measureContent(ui::Size available) { return measureWidget(widget_.get(), available); }

}  // namespace zephro::platform::gtk
