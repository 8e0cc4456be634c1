#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

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

TEST_F(MainLoopTest, DrainRunsPostedWorkInOrderIncludingWorkPostedMeanwhile) {
  MainQueue::async([this] {
    ran_.push_back(1);
    MainQueue::async([this] { ran_.push_back(3); });
  });
  MainQueue::async([this] { ran_.push_back(2); });
  MainQueue::async({});
  EXPECT_EQ(loop_->drain(), 3u);
  EXPECT_EQ(ran_, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(loop_->drain(), 0u);
}

TEST_F(MainLoopTest, DelayedWorkWaitsUntilDueThenRunsByDueTime) {
  MainQueue::asyncAfter(40ms, [this] { ran_.push_back(2); });
  MainQueue::asyncAfter(20ms, [this] { ran_.push_back(1); });
  MainQueue::asyncAfter(0ms, [this] { ran_.push_back(0); });
  loop_->drain();
  EXPECT_EQ(ran_, (std::vector<int>{0}));
  EXPECT_EQ(loop_->pendingCount(), 2u);
  auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(loop_->runUntil([this] { return ran_.size() == 3; }, 2s));
  EXPECT_GE(std::chrono::steady_clock::now() - start, 30ms);
  EXPECT_EQ(ran_, (std::vector<int>{0, 1, 2}));
}

TEST_F(MainLoopTest, RunUntilGivesUpAtTheTimeout) {
  MainQueue::asyncAfter(10s, [this] { ran_.push_back(1); });
  auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(loop_->runUntil([] { return false; }, 30ms));
  EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
  EXPECT_TRUE(ran_.empty());
}

TEST_F(MainLoopTest, WorkFromOtherThreadsRunsOnTheMainThread) {
  EXPECT_TRUE(isMainThread());
  std::atomic<bool> offMain{false};
  std::vector<bool> onMain;
  std::thread worker([&] {
    offMain = !isMainThread();
    for (int i = 0; i < 3; ++i) MainQueue::async([&] { onMain.push_back(isMainThread()); });
  });
  EXPECT_TRUE(loop_->runUntil([&] { return onMain.size() == 3; }, 2s));
  worker.join();
  EXPECT_TRUE(offMain);
  EXPECT_EQ(onMain, (std::vector<bool>{true, true, true}));
}

TEST_F(MainLoopTest, InstallingAnotherLoopRedirectsTheMainQueue) {
  auto other = HeadlessMainLoop::install();
  MainQueue::async([this] { ran_.push_back(1); });
  EXPECT_EQ(loop_->drain(), 0u);
  EXPECT_EQ(other->drain(), 1u);
  setMainLoop(nullptr);
  EXPECT_NE(mainLoop(), other);
  EXPECT_NE(mainLoop(), nullptr);
}

}  // namespace
}  // namespace zephro::platform::dispatch
