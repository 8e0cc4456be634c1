#pragma once

#include <deque>
#include <memory>
#include <mutex>

#include "zephro/platform/dispatch/main_loop.h"
#include "zephro/platform/gtk/pass_end_source.h"

namespace zephro::platform::gtk {

// The main queue on the default GLib main context, the one GTK runs. Posting
// works from any thread; tasks run on the thread that iterates the context.
// Empty tasks are dropped; a task that throws is reported and the loop goes on.
class GlibMainLoop : public dispatch::MainLoop, public std::enable_shared_from_this<GlibMainLoop> {
 public:
  static std::shared_ptr<GlibMainLoop> make();

  void post(dispatch::Task task) override;
  void postAfter(std::chrono::milliseconds delay, dispatch::Task task) override;
  // In the preparation of the context's next iteration (pass_end_source.h);
  // posted off the main thread, as `post`.
  void postAtEndOfPass(dispatch::Task task) override;

 private:
  GlibMainLoop() = default;
  void runPosted();
  // Takes the tasks posted so far; later posts schedule a fresh run.
  std::deque<dispatch::Task> takePosted();

  std::mutex mutex_;
  // One queue and a single idle source keep posting order exact.
  std::deque<dispatch::Task> posted_;
  bool runScheduled_ = false;
  std::unique_ptr<PassEndSource> passEnd_;  // made on first use
};

}  // namespace zephro::platform::gtk
