// The main loop that everything touching screens and web views runs on. A
// backend installs its own loop once at start-up (the GTK backend: the GLib
// main context); until then a headless loop serves, which tests drive.
#pragma once

#include <chrono>
#include <functional>
#include <memory>

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
};

// Installs `loop` and makes the calling thread the main thread. Passing null
// installs a fresh headless loop.
void setMainLoop(std::shared_ptr<MainLoop> loop);
// The installed loop; on first use without one, a headless loop is installed
// and the calling thread becomes the main thread.
std::shared_ptr<MainLoop> mainLoop();
// True on the thread that installed the main loop (or first used it).
bool isMainThread();

}  // namespace zephro::platform::dispatch
