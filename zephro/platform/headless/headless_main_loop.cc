#include "zephro/platform/headless/headless_main_loop.h"

#include <algorithm>
#include <utility>

namespace zephro::platform::headless {

namespace {

// How often runUntil looks at its predicate while nothing is posted: the
// predicate may watch work done on other threads.
constexpr std::chrono::milliseconds kPollInterval{2};

}  // namespace

std::shared_ptr<HeadlessMainLoop> HeadlessMainLoop::install() {
  auto loop = std::make_shared<HeadlessMainLoop>();
  dispatch::setMainLoop(loop);
  return loop;
}

void HeadlessMainLoop::post(dispatch::Task task) {
  if (!task) return;
  {
    std::lock_guard lock(mutex_);
    ready_.push_back(std::move(task));
  }
  posted_.notify_all();
}

void HeadlessMainLoop::postAfter(std::chrono::milliseconds delay, dispatch::Task task) {
  if (!task) return;
  {
    std::lock_guard lock(mutex_);
    delayed_.emplace(std::make_pair(Clock::now() + delay, nextSequence_++), std::move(task));
  }
  posted_.notify_all();
}

void HeadlessMainLoop::postAtEndOfPass(dispatch::Task task) {
  if (!task) return;
  {
    std::lock_guard lock(mutex_);
    endOfPass_.push_back(std::move(task));
  }
  posted_.notify_all();
}

std::size_t HeadlessMainLoop::drain() {
  std::size_t ran = 0;
  while (dispatch::Task task = takeRunnable()) {
    task();
    ++ran;
  }
  return ran;
}

bool HeadlessMainLoop::runUntil(const std::function<bool()>& predicate,
                                std::chrono::milliseconds timeout) {
  const Clock::time_point deadline = Clock::now() + timeout;
  for (;;) {
    if (predicate()) return true;
    if (dispatch::Task task = takeRunnable()) {
      task();
      continue;
    }
    if (Clock::now() >= deadline) return false;
    waitForWork(deadline);
  }
}

std::size_t HeadlessMainLoop::pendingCount() const {
  std::lock_guard lock(mutex_);
  return ready_.size() + endOfPass_.size() + delayed_.size();
}

dispatch::Task HeadlessMainLoop::takeRunnable() {
  std::lock_guard lock(mutex_);
  if (!endOfPass_.empty()) {
    dispatch::Task task = std::move(endOfPass_.front());
    endOfPass_.pop_front();
    return task;
  }
  // Due delayed work joins the ready queue first, so it keeps its place
  // relative to what is posted after it falls due.
  const Clock::time_point now = Clock::now();
  while (!delayed_.empty() && delayed_.begin()->first.first <= now) {
    ready_.push_back(std::move(delayed_.begin()->second));
    delayed_.erase(delayed_.begin());
  }
  if (ready_.empty()) return {};
  dispatch::Task task = std::move(ready_.front());
  ready_.pop_front();
  return task;
}

void HeadlessMainLoop::waitForWork(Clock::time_point deadline) {
  std::unique_lock lock(mutex_);
  Clock::time_point wakeAt = std::min(deadline, Clock::now() + kPollInterval);
  if (!delayed_.empty()) wakeAt = std::min(wakeAt, delayed_.begin()->first.first);
  posted_.wait_until(lock, wakeAt, [this] { return !ready_.empty() || !endOfPass_.empty(); });
}

}  // namespace zephro::platform::headless
