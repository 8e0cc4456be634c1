#include "zephro/platform/gtk/transition_animation.h"

#include <gtk/gtk.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <utility>

#include "zephro/platform/dispatch/main_queue.h"
#include "zephro/platform/gtk/callback_trampoline.h"
#include "zephro/platform/gtk/frame_box.h"
#include "zephro/platform/gtk/gobject_ref.h"
#include "zephro/platform/gtk/gtk_view_peer.h"

namespace zephro::platform::gtk {
namespace {

constexpr gint64 kDurationMicroseconds = 300'000;
// The screen underneath moves a little, for depth.
constexpr double kParallax = 0.3;
// Frame clocks stop while a window is hidden; this ends the slide regardless.
constexpr guint kSafetyMarginMilliseconds = 500;

class Slide;
std::map<GtkWidget*, std::shared_ptr<Slide>>& runningSlides() {
  static std::map<GtkWidget*, std::shared_ptr<Slide>> slides;
  return slides;
}

GtkWidget* widgetOf(const std::shared_ptr<ui::View>& view) {
  auto* peer = view ? GtkViewPeer::of(*view) : nullptr;
  return peer != nullptr ? peer->widget() : nullptr;
}

class Slide : public std::enable_shared_from_this<Slide> {
 public:
  Slide(ui::TransitionKind kind, GtkWidget* container, GtkWidget* from, GtkWidget* to, std::function<void()> done)
      : kind_(kind),
        container_(GObjectRef<GtkWidget>::retain(container)),
        from_(GObjectRef<GtkWidget>::retain(from)),
        to_(GObjectRef<GtkWidget>::retain(to)),
        done_(std::move(done)) {}

  void start() {
    apply(0);
    using Tick = Trampoline<gboolean(GtkWidget*, GdkFrameClock*)>;
    tick_ = gtk_widget_add_tick_callback(
        container_.get(), Tick::call, Tick::own([this](GtkWidget*, GdkFrameClock* clock) { return onTick(clock); }),
        Tick::destroy);
    safety_.start(kDurationMicroseconds / 1000 + kSafetyMarginMilliseconds, [this] { finish(); });
  }

  // Ends the slide where it would end, now.
  void finish() {
    if (!done_) return;
    if (tick_ != 0) gtk_widget_remove_tick_callback(container_.get(), std::exchange(tick_, 0));
    safety_.cancel();
    for (const auto& widget : {from_, to_}) {
      if (widget) frameBoxSetChildOffset(widget.get(), {0, 0});
    }
    auto self = shared_from_this();
    runningSlides().erase(container_.get());
    dispatch::MainQueue::async(std::exchange(done_, nullptr));
  }

 private:
  bool leaves() const { return kind_ == ui::TransitionKind::pop || kind_ == ui::TransitionKind::dismiss; }
  bool vertical() const { return kind_ == ui::TransitionKind::present || kind_ == ui::TransitionKind::dismiss; }

  void apply(double progress) {
    const double eased = 1 - std::pow(1 - progress, 3);
    const double extent = vertical() ? gtk_widget_get_height(container_.get()) : gtk_widget_get_width(container_.get());
    // How far the moving screen is from its resting place, and the other.
    const double moving = leaves() ? extent * eased : extent * (1 - eased);
    const double under = vertical() ? 0 : -extent * kParallax * (leaves() ? 1 - eased : eased);
    GtkWidget* movingWidget = leaves() ? from_.get() : to_.get();
    GtkWidget* underWidget = leaves() ? to_.get() : from_.get();
    const auto offset = [this](double distance) {
      return vertical() ? ui::Point{0, distance} : ui::Point{distance, 0};
    };
    if (movingWidget != nullptr) frameBoxSetChildOffset(movingWidget, offset(moving));
    if (underWidget != nullptr) frameBoxSetChildOffset(underWidget, offset(under));
  }

  gboolean onTick(GdkFrameClock* clock) {
    const gint64 now = gdk_frame_clock_get_frame_time(clock);
    if (startTime_ == 0) startTime_ = now;
    const double progress = std::min(1.0, static_cast<double>(now - startTime_) / kDurationMicroseconds);
    apply(progress);
    if (progress < 1) return G_SOURCE_CONTINUE;
    tick_ = 0;
    finish();
    return G_SOURCE_REMOVE;
  }

  ui::TransitionKind kind_;
  GObjectRef<GtkWidget> container_;
  GObjectRef<GtkWidget> from_;
  GObjectRef<GtkWidget> to_;
  std::function<void()> done_;
  guint tick_ = 0;
  OwnedTimeout safety_;
  gint64 startTime_ = 0;
};

}  // namespace

void animateTransition(const ui::Transition& transition, std::function<void()> done) {
  GtkWidget* container = widgetOf(transition.container);
  if (container == nullptr || !gtk_widget_get_mapped(container)) {
    dispatch::MainQueue::async(std::move(done));
    return;
  }
  // One slide per container: a new change ends the one still running.
  if (auto running = runningSlides().find(container); running != runningSlides().end()) running->second->finish();
  auto slide = std::make_shared<Slide>(transition.kind, container, widgetOf(transition.fromView),
                                       widgetOf(transition.toView), std::move(done));
  runningSlides()[container] = slide;
  slide->start();
}

}  // namespace zephro::platform::gtk
