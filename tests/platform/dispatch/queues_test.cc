// What the headless loop adds to the backend contract, and the background queue.
#include <gtest/gtest.h>

#include <atomic>
#include <latch>

#include "zephro/platform/dispatch/global_queue.h"
#include "zephro/platform/dispatch/main_queue.h"
#include "zephro/platform/headless/headless_main_loop.h"

namespace zephro::platform::dispatch {
namespace {

using namespace std::chrono_literals;
using headless::HeadlessMainLoop;

class MainLoopTest : public ::testing::Test {
 protected:
  std::shared_ptr<HeadlessMainLoop> loop_ = HeadlessMainLoop::install();
  std::vector<int> ran_;
};

// Work for the end of the pass runs once the running task ends, before tasks
// posted earlier.
TEST_F(MainLoopTest, EndOfPassWorkRunsBeforeTheNextTask) {
  MainQueue::async([this] {
    ran_.push_back(1);
    MainQueue::async([this] { ran_.push_back(3); });
    loop_->postAtEndOfPass([this] { ran_.push_back(2); });
  });
  loop_->drain();
  EXPECT_EQ(ran_, (std::vector<int>{1, 2, 3}));
}

TEST_F(MainLoopTest, RunUntilGivesUpAtTheTimeout) {
  auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(loop_->runUntil([] { return false; }, 30ms));
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
