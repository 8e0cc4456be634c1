#include "zephro/platform/gtk/swipe_back_gesture.h"

namespace zephro::platform::gtk {
namespace {

// How close to the left edge a swipe must start, and how far it must go.
constexpr double kEdgeWidth = 24;
constexpr double kCompletingFraction = 1.0 / 3;

struct SwipeBack {
  std::weak_ptr<ui::NavigationController> controller;
};

void onBegin(GtkGestureDrag* gesture, double x, double, gpointer data) {
  auto controller = static_cast<SwipeBack*>(data)->controller.lock();
  const bool canPop = controller && controller->viewControllers().size() >= 2;
  // Other drags belong to the page underneath.
  if (x > kEdgeWidth || !canPop) gtk_gesture_set_state(GTK_GESTURE(gesture), GTK_EVENT_SEQUENCE_DENIED);
}

void onEnd(GtkGestureDrag* gesture, double offsetX, double, gpointer data) {
  auto controller = static_cast<SwipeBack*>(data)->controller.lock();
  GtkWidget* widget = gtk_event_controller_get_widget(GTK_EVENT_CONTROLLER(gesture));
  if (!controller || offsetX < gtk_widget_get_width(widget) * kCompletingFraction) return;
  controller->performSwipeBack();
}

}  // namespace

void attachSwipeBack(GtkWidget* widget, std::weak_ptr<ui::NavigationController> controller) {
  GtkGesture* drag = gtk_gesture_drag_new();
  // Seen before the page's own handlers, so an edge swipe is not a text selection.
  gtk_event_controller_set_propagation_phase(GTK_EVENT_CONTROLLER(drag), GTK_PHASE_CAPTURE);
  auto* state = new SwipeBack{std::move(controller)};
  g_signal_connect(drag, "drag-begin", G_CALLBACK(onBegin), state);
  g_signal_connect(drag, "drag-end", G_CALLBACK(onEnd), state);
  g_object_set_data_full(G_OBJECT(drag), "zephro-swipe-back", state,
                         [](gpointer data) { delete static_cast<SwipeBack*>(data); });
  gtk_widget_add_controller(widget, GTK_EVENT_CONTROLLER(drag));
}

}  // namespace zephro::platform::gtk
