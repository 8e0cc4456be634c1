#include "bench/gtk/bare_pages.h"

#include "bench/gtk/plain_window.h"
#include "tests/gtk/support/main_loop_spin.h"
#include "tests/gtk/support/webkit_view.h"
#include "zephro/platform/foundation/bundle.h"
#include "zephro/platform/foundation/url.h"

namespace zephro::bench::gtk {
namespace {

// As long as the kit's slides.
constexpr guint kTransitionMilliseconds = 300;

std::string pageUri(const std::string& page) {
  const auto file = platform::foundation::Bundle::kit().bundlePath() / "dist" / page / "index.html";
  return URL::fileURL(file.string()).absoluteString();
}

void awaitTransition(GtkStack* stack) {
  testing::gtk::spinUntil([stack] { return !gtk_stack_get_transition_running(stack); });
}

}  // namespace

BarePages::BarePages() : stack_(GTK_STACK(gtk_stack_new())) {
  gtk_stack_set_transition_duration(stack_, kTransitionMilliseconds);
  showInPlainWindow(GTK_WIDGET(stack_));
}

WebKitWebView* BarePages::push(const std::string& page, bool animated) {
  GtkWidget* first = gtk_widget_get_first_child(GTK_WIDGET(stack_));
  // A related view shares the first view's web process.
  GtkWidget* view = first == nullptr ? webkit_web_view_new()
                                     : GTK_WIDGET(g_object_new(WEBKIT_TYPE_WEB_VIEW, "related-view", first, nullptr));
  gtk_stack_add_child(stack_, view);
  webkit_web_view_load_uri(WEBKIT_WEB_VIEW(view), pageUri(page).c_str());
  gtk_stack_set_transition_type(stack_, animated ? GTK_STACK_TRANSITION_TYPE_SLIDE_LEFT
                                                 : GTK_STACK_TRANSITION_TYPE_NONE);
  gtk_stack_set_visible_child(stack_, view);
  return testing::gtk::awaitLoaded(WEBKIT_WEB_VIEW(view)) ? WEBKIT_WEB_VIEW(view) : nullptr;
}

void BarePages::pop(bool animated) {
  GtkWidget* top = gtk_widget_get_last_child(GTK_WIDGET(stack_));
  GtkWidget* below = top != nullptr ? gtk_widget_get_prev_sibling(top) : nullptr;
  if (below == nullptr) return;
  gtk_stack_set_transition_type(stack_, animated ? GTK_STACK_TRANSITION_TYPE_SLIDE_RIGHT
                                                 : GTK_STACK_TRANSITION_TYPE_NONE);
  gtk_stack_set_visible_child(stack_, below);
  awaitTransition(stack_);
  gtk_stack_remove(stack_, top);
}

}  // namespace zephro::bench::gtk
