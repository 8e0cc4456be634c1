#include "zephro/platform/dispatch/main_loop.h"

#include <mutex>
#include <thread>
#include <utility>

#include "zephro/platform/foundation/missing_backend.h"

namespace zephro::platform::dispatch {

namespace {

struct InstalledLoop {
  std::mutex mutex;
  std::shared_ptr<MainLoop> loop;
  MainLoopMaker makeDefault;
  std::thread::id mainThread;
};

InstalledLoop& installed() {
  static InstalledLoop* state = new InstalledLoop;  // outlives static destructors that post
  return *state;
}

// A program that installed no backend cannot run anything on a main thread.
std::shared_ptr<MainLoop> makeDefaultLoop(const InstalledLoop& state) {
  std::shared_ptr<MainLoop> loop = state.makeDefault ? state.makeDefault() : nullptr;
  if (!loop) foundation::missingBackend("main loop");
  return loop;
}

// Installs `loop` (a fresh default one when null) on the calling thread.
void installLocked(InstalledLoop& state, std::shared_ptr<MainLoop> loop) {
  state.loop = loop ? std::move(loop) : makeDefaultLoop(state);
  state.mainThread = std::this_thread::get_id();
}

}  // namespace

void setMainLoop(std::shared_ptr<MainLoop> loop) {
  InstalledLoop& state = installed();
  std::lock_guard lock(state.mutex);
  installLocked(state, std::move(loop));
}

void setDefaultMainLoop(MainLoopMaker maker) {
  InstalledLoop& state = installed();
  std::lock_guard lock(state.mutex);
  state.makeDefault = std::move(maker);
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
