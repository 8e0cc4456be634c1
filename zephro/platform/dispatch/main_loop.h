// The main loop that everything touching screens and web views runs on. A
// backend installs its own loop once at start-up (the GTK backend: the GLib
// main context); until then the default loop serves (see setDefaultMainLoop).
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <utility>

namespace zephro::platform::dispatch {

using Task = std::function<void()>;

class MainLoop {
 public:
  virtual ~MainLoop() = default;
  // Runs `task` on the main thread, later, in posting order. Callable from
  // any thread. The main queue never posts an empty task; a loop drops one.
  virtual void post(Task task) = 0;
  // Runs `task` on the main thread once `delay` has passed.
  virtual void postAfter(std::chrono::milliseconds delay, Task task) = 0;
  // Runs `task` on the main thread once the work being done now ends, before
  // the loop waits for more or takes its next turn: for work that should
  // follow all that one pass produces without costing a turn. By default, as
  // `post`.
  virtual void postAtEndOfPass(Task task) { post(std::move(task)); }
};

using MainLoopMaker = std::function<std::shared_ptr<MainLoop>()>;

// Installs `loop` and makes the calling thread the main thread. Passing null
// installs a fresh default loop.
void setMainLoop(std::shared_ptr<MainLoop> loop);
// What makes a loop when none is installed; set by a backend at start-up
// (platform/headless/install.h). Without one, asking for a loop aborts.
void setDefaultMainLoop(MainLoopMaker maker);
// The installed loop; on first use without one, a default loop is installed
// and the calling thread becomes the main thread.
std::shared_ptr<MainLoop> mainLoop();
// True on the thread that installed the main loop (or first used it).
bool isMainThread();

}  // namespace zephro::platform::dispatch
