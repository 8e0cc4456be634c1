#include "zephro/platform/foundation/notification_center.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace zephro::platform::foundation {
namespace {

class NotificationCenterTest : public ::testing::Test {
 protected:
  // Registers observer `tag` for `name`, logging each call as "<tag>:<object>".
  void observe(const void* observer, const std::string& name, const std::string& tag) {
    center_.addObserver(observer, name, [this, tag](const Notification& n) {
      const auto* object = std::any_cast<std::string>(&n.object);
      calls_.push_back(tag + ":" + (object ? *object : "-"));
    });
  }

  NotificationCenter center_;
  std::vector<std::string> calls_;
  const int a_ = 0, b_ = 0, c_ = 0;
};

TEST_F(NotificationCenterTest, DeliversByNameInRegistrationOrder) {
  observe(&b_, "ping", "b");
  observe(&a_, "ping", "a");
  observe(&c_, "pong", "c");
  observe(&a_, "ping", "a2");
  center_.post("ping", std::string("x"));
  center_.post("none");
  EXPECT_EQ(calls_, (std::vector<std::string>{"b:x", "a:x", "a2:x"}));
}

TEST_F(NotificationCenterTest, RemoveObserverDropsAllItsRegistrations) {
  observe(&a_, "ping", "a");
  observe(&a_, "pong", "a");
  observe(&b_, "ping", "b");
  center_.removeObserver(&a_);
  center_.post("ping");
  center_.post("pong");
  EXPECT_EQ(calls_, (std::vector<std::string>{"b:-"}));
}

TEST_F(NotificationCenterTest, ChangesDuringAPostApplyFromThatMomentOn) {
  center_.addObserver(&a_, "ping", [this](const Notification&) {
    calls_.push_back("a");
    center_.removeObserver(&b_);  // removes the next observer before its turn
    center_.removeObserver(&a_);  // and itself, without waiting on itself
    observe(&c_, "ping", "c");    // not called in this post
  });
  observe(&b_, "ping", "b");
  center_.post("ping");
  EXPECT_EQ(calls_, (std::vector<std::string>{"a"}));
  center_.post("ping");
  EXPECT_EQ(calls_, (std::vector<std::string>{"a", "c:-"}));
}

TEST_F(NotificationCenterTest, RemoveObserverWaitsForACallOnAnotherThread) {
  std::atomic<bool> entered{false}, finished{false};
  center_.addObserver(&a_, "slow", [&](const Notification&) {
    entered = true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    finished = true;
  });
  std::thread poster([this] { center_.post("slow"); });
  while (!entered) std::this_thread::yield();
  center_.removeObserver(&a_);
  EXPECT_TRUE(finished);  // the observer may be destroyed now
  poster.join();
}

}  // namespace
}  // namespace zephro::platform::foundation
