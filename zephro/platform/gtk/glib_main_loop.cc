#include "zephro/platform/gtk/glib_main_loop.h"

#include <algorithm>
#include <utility>

#include "zephro/platform/gtk/callback_trampoline.h"

namespace zephro::platform::gtk {

std::shared_ptr<GlibMainLoop> GlibMainLoop::make() { return std::shared_ptr<GlibMainLoop>(new GlibMainLoop()); }

void GlibMainLoop::post(dispatch::Task task) {
  if (!task) return;
  {
    std::lock_guard lock(mutex_);
    posted_.push_back(std::move(task));
    if (std::exchange(runScheduled_, true)) return;
  }
  // Same priority as GTK's own event handling, ahead of redraws and idles.
  addIdleOnce(G_PRIORITY_DEFAULT, [weakSelf = weak_from_this()] {
    if (auto self = weakSelf.lock()) self->runPosted();
  });
}

void GlibMainLoop::postAfter(std::chrono::milliseconds delay, dispatch::Task task) {
  const auto milliseconds = static_cast<guint>(std::max<std::chrono::milliseconds::rep>(delay.count(), 0));
  addTimeoutOnce(milliseconds, std::move(task));
}

void GlibMainLoop::postAtEndOfPass(dispatch::Task task) {
  if (!dispatch::isMainThread()) return post(std::move(task));
  if (!passEnd_) passEnd_ = std::make_unique<PassEndSource>();
  passEnd_->post(std::move(task));
}

std::deque<dispatch::Task> GlibMainLoop::takePosted() {
  std::lock_guard lock(mutex_);
  runScheduled_ = false;
  return std::exchange(posted_, {});
}

// Each task on its own: one that throws must not take the rest of the batch along.
void GlibMainLoop::runPosted() {
  for (auto& task : takePosted()) runGuarded(task);
}

}  // namespace zephro::platform::gtk
