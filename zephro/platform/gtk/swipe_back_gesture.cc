#include "zephro/platform/gtk/swipe_back_gesture.h"

#include "zephro/platform/gtk/callback_trampoline.h"

namespace zephro::platform::gtk {
namespace {

// How close to the left edge a swipe must start, and how far it must go.
constexpr double kEdgeWidth = 24;
constexpr double kCompletingFraction = 1.0 / 3;

using Controller = std::weak_ptr<ui::NavigationController>;
using DragHandler = void(GtkGestureDrag*, double, double);

void onBegin(const Controller& weakController, GtkGestureDrag* gesture, double x) {
  auto controller = weakController.lock();
  const bool canPop = controller && controller->viewControllers().size() >= 2;
  // Other drags belong to the page underneath.
  if (x > kEdgeWidth || !canPop) gtk_gesture_set_state(GTK_GESTURE(gesture), GTK_EVENT_SEQUENCE_DENIED);
}

void onEnd(const Controller& weakController, GtkGestureDrag* gesture, double offsetX) {
  auto controller = weakController.lock();
  GtkWidget* widget = gtk_event_controller_get_widget(GTK_EVENT_CONTROLLER(gesture));
  if (!controller || offsetX < gtk_widget_get_width(widget) * kCompletingFraction) return;
  controller->performSwipeBack();
}

}  // namespace

void attachSwipeBack(GtkWidget* widget, std::weak_ptr<ui::NavigationController> controller) {
  GtkGesture* drag = gtk_gesture_drag_new();
  // Seen before the page's own handlers, so an edge swipe is not a text selection.
  gtk_event_controller_set_propagation_phase(GTK_EVENT_CONTROLLER(drag), GTK_PHASE_CAPTURE);
  connectSignal<DragHandler>(drag, "drag-begin", [controller](GtkGestureDrag* gesture, double x, double) {
    onBegin(controller, gesture, x);
  });
  connectSignal<DragHandler>(drag, "drag-end", [controller](GtkGestureDrag* gesture, double offsetX, double) {
    onEnd(controller, gesture, offsetX);
  });
  gtk_widget_add_controller(widget, GTK_EVENT_CONTROLLER(drag));
}

}  // namespace zephro::platform::gtk
