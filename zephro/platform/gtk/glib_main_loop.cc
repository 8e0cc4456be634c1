#include "zephro/platform/gtk/glib_main_loop.h"

#include <utility>

namespace zephro::platform::gtk {
namespace {

using WeakLoop = std::weak_ptr<GlibMainLoop>;

gboolean runDelayed(gpointer task) {
  (*static_cast<dispatch::Task*>(task))();
  return G_SOURCE_REMOVE;
}

void deleteTask(gpointer task) { delete static_cast<dispatch::Task*>(task); }
void deleteWeakLoop(gpointer loop) { delete static_cast<WeakLoop*>(loop); }

}  // namespace

std::shared_ptr<GlibMainLoop> GlibMainLoop::make() { return std::shared_ptr<GlibMainLoop>(new GlibMainLoop()); }

void GlibMainLoop::post(dispatch::Task task) {
  {
    std::lock_guard lock(mutex_);
    posted_.push_back(std::move(task));
    if (std::exchange(runScheduled_, true)) return;
  }
  // Same priority as GTK's own event handling, ahead of redraws and idles.
  g_idle_add_full(G_PRIORITY_DEFAULT, runPosted, new WeakLoop(weak_from_this()), deleteWeakLoop);
}

void GlibMainLoop::postAfter(std::chrono::milliseconds delay, dispatch::Task task) {
  const auto milliseconds = static_cast<guint>(std::max<std::chrono::milliseconds::rep>(delay.count(), 0));
  g_timeout_add_full(G_PRIORITY_DEFAULT, milliseconds, runDelayed, new dispatch::Task(std::move(task)), deleteTask);
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

gboolean GlibMainLoop::runPosted(gpointer weakSelf) {
  auto self = static_cast<WeakLoop*>(weakSelf)->lock();
  if (!self) return G_SOURCE_REMOVE;
  for (auto& task : self->takePosted()) task();
  return G_SOURCE_REMOVE;
}

}  // namespace zephro::platform::gtk
