#include "zephro/platform/dispatch/main_loop.h"

#include <mutex>
#include <thread>
#include <utility>

#include "zephro/platform/headless/headless_main_loop.h"

namespace zephro::platform::dispatch {

namespace {

struct InstalledLoop {
  std::mutex mutex;
  std::shared_ptr<MainLoop> loop;
  std::thread::id mainThread;
};

InstalledLoop& installed() {
  static InstalledLoop* state = new InstalledLoop;  // outlives static destructors that post
  return *state;
}

// Installs `loop` (a fresh headless one when null) on the calling thread.
void installLocked(InstalledLoop& state, std::shared_ptr<MainLoop> loop) {
  state.loop = loop ? std::move(loop) : std::make_shared<headless::HeadlessMainLoop>();
  state.mainThread = std::this_thread::get_id();
}

}  // namespace

void setMainLoop(std::shared_ptr<MainLoop> loop) {
  InstalledLoop& state = installed();
  std::lock_guard lock(state.mutex);
  installLocked(state, std::move(loop));
}

std::shared_ptr<MainLoop> mainLoop() {
  InstalledLoop& state = installed();
  std::lock_guard lock(state.mutex);
  if (!state.loop) installLocked(state, nullptr);
  return state.loop;
}

bool isMainThread() {
  InstalledLoop& state = installed();
  std::lock_guard lock(state.mutex);
  if (!state.loop) installLocked(state, nullptr);
  return state.mainThread == std::this_thread::get_id();
}

}  // namespace zephro::platform::dispatch
