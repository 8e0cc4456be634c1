#include "zephro/platform/dispatch/global_queue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <latch>
#include <thread>

#include "zephro/platform/dispatch/main_queue.h"
#include "zephro/platform/headless/headless_main_loop.h"

namespace zephro::platform::dispatch {
namespace {

using namespace std::chrono_literals;

TEST(GlobalQueue, RunsTasksConcurrentlyOffTheMainThread) {
  headless::HeadlessMainLoop::install();
  std::latch bothRunning(2);
  std::atomic<int> offMain{0};
  {
    GlobalQueue queue(2);
    for (int i = 0; i < 2; ++i) {
      queue.async([&] {
        offMain += isMainThread() ? 0 : 1;
        bothRunning.arrive_and_wait();  // would hang with a single worker
      });
    }
  }
  EXPECT_EQ(offMain, 2);
}

TEST(GlobalQueue, BackgroundWorkCanHandResultsToTheMainQueue) {
  auto loop = headless::HeadlessMainLoop::install();
  bool delivered = false;
  GlobalQueue::background().async([&] { MainQueue::async([&] { delivered = isMainThread(); }); });
  EXPECT_TRUE(loop->runUntil([&] { return delivered; }, 2s));
}

}  // namespace
}  // namespace zephro::platform::dispatch
