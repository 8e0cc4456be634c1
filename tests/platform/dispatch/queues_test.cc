// What the headless loop adds to the backend contract, and the background queue.
#include <gtest/gtest.h>

#include <atomic>
#include <latch>

#include "zephro/platform/dispatch/global_queue.h"
#include "zephro/platform/headless/headless_main_loop.h"

namespace zephro::platform::dispatch {
namespace {

using namespace std::chrono_literals;
using headless::HeadlessMainLoop;

TEST(HeadlessMainLoopTest, RunUntilGivesUpAtTheTimeout) {
  auto loop = HeadlessMainLoop::install();
  auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(loop->runUntil([] { return false; }, 30ms));
  EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
}

TEST(GlobalQueue, RunsTasksConcurrentlyOffTheMainThread) {
  HeadlessMainLoop::install();
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

}  // namespace
}  // namespace zephro::platform::dispatch
