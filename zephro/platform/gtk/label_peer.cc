#include "zephro/platform/gtk/label_peer.h"

#include <algorithm>

#include "zephro/platform/gtk/text_style.h"

namespace zephro::platform::gtk {

LabelPeer::LabelPeer(ui::Label& label)
    : GtkViewPeer(label), label_(label), text_(GObjectRef<GtkWidget>::sink(gtk_label_new(nullptr))) {
  gtk_label_set_xalign(GTK_LABEL(text_.get()), 0);
  setContent(text_.get());
  contentChanged();
}

void LabelPeer::contentChanged() {
  auto* text = GTK_LABEL(text_.get());
  gtk_label_set_text(text, label_.text().c_str());
  setLabelStyle(text, label_.textColor(), label_.fontSize());
  const int lines = label_.numberOfLines();
  gtk_label_set_wrap(text, lines != 1);
  gtk_label_set_wrap_mode(text, PANGO_WRAP_WORD_CHAR);
  gtk_label_set_lines(text, lines > 0 ? lines : -1);
  // Ellipsizing also lets the label be narrower than its text.
  gtk_label_set_ellipsize(text, lines == 0 ? PANGO_ELLIPSIZE_NONE : PANGO_ELLIPSIZE_END);
}

std::optional<ui::Size> LabelPeer::measureContent(ui::Size available) {
  // An ellipsizing label would claim to fit anywhere: measure the full text.
  auto* text = GTK_LABEL(text_.get());
  const auto ellipsize = gtk_label_get_ellipsize(text);
  gtk_label_set_ellipsize(text, PANGO_ELLIPSIZE_NONE);
  const auto size = measureWidget(text_.get(), available);
  gtk_label_set_ellipsize(text, ellipsize);
  return size;
}

ui::Size measureWidget(GtkWidget* widget, ui::Size available) {
  int naturalWidth = 0;
  gtk_widget_measure(widget, GTK_ORIENTATION_HORIZONTAL, -1, nullptr, &naturalWidth, nullptr, nullptr);
  int width = naturalWidth;
  if (available.width >= 0) width = std::min(width, static_cast<int>(available.width));
  int naturalHeight = 0;
  gtk_widget_measure(widget, GTK_ORIENTATION_VERTICAL, width, nullptr, &naturalHeight, nullptr, nullptr);
  return {static_cast<double>(width), static_cast<double>(naturalHeight)};
}

}  // namespace zephro::platform::gtk
