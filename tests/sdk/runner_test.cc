// The runner's socket manager hand-over and its delegate.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "tests/support/forwarded_events.h"
#include "tests/support/recording_socket_manager.h"
#include "zephro/sdk/zephro_sdk4_tolmar_runner.h"

namespace zephro {
namespace {

using testing::RecordingSocketManager;
using testing::SocketCallLog;
using Log = std::vector<std::string>;

constexpr const char* kNormalReport = R"({"messageType":"DeviceReport","name":"Normal","data":{"v":1}})";

class RunnerTest : public ::testing::Test {
 protected:
  void TearDown() override { ZephroSdk4TolmarRunner::setSocketManager(nullptr); }

  std::shared_ptr<SocketCallLog> log = std::make_shared<SocketCallLog>();
  std::shared_ptr<RecordingSocketManager> first = std::make_shared<RecordingSocketManager>("a", log);
  std::shared_ptr<RecordingSocketManager> second = std::make_shared<RecordingSocketManager>("b", log);
};

TEST_F(RunnerTest, HandOverDisconnectsAndDetachesThePreviousBeforeTheNewGetsTheSharedDelegate) {
  ZephroSdk4TolmarRunner::setSocketManager(first);
  auto sharedDelegate = first->delegate();
  ASSERT_NE(sharedDelegate, nullptr);

  ZephroSdk4TolmarRunner::setSocketManager(second);
  EXPECT_EQ(log->entries(), (Log{"a.delegate=set", "a.disconnect", "a.delegate=none", "b.delegate=set"}));
  EXPECT_EQ(first->delegate(), nullptr);
  EXPECT_EQ(second->delegate(), sharedDelegate);
  EXPECT_EQ(ZephroSdk4TolmarRunner::socketManager(), second);

  log->clear();
  ZephroSdk4TolmarRunner::setSocketManager(second);
  EXPECT_EQ(log->entries(), (Log{"b.disconnect", "b.delegate=none", "b.delegate=set"}));

  log->clear();
  ZephroSdk4TolmarRunner::setSocketManager(nullptr);
  EXPECT_EQ(log->entries(), (Log{"b.disconnect", "b.delegate=none"}));
  EXPECT_EQ(ZephroSdk4TolmarRunner::socketManager(), nullptr);
}

TEST_F(RunnerTest, MessagesFromTheHostSocketBecomeEvents) {
  testing::ForwardedEvents events;
  ZephroSdk4TolmarRunner::setSocketManager(first);
  first->receive(kNormalReport);
  first->receive("not json");
  EXPECT_EQ(events.events(), (std::vector<EventModel>{{"deviceEvent", R"({"v":1})", std::nullopt, std::nullopt}}));
}

// The host may deliver messages on its socket threads while it swaps managers.
TEST_F(RunnerTest, MessagesAndHandOversOnManyThreadsAtOnce) {
  testing::ForwardedEvents events;
  constexpr int kThreads = 4;
  constexpr int kMessages = 200;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&] {
      for (int i = 0; i < kMessages; ++i) {
        ZephroSdk4TolmarRunner::handleSocketMessage(kNormalReport);
        ZephroSdk4TolmarRunner::handleSocketMessage(R"({"messageType":"DeviceReport","name":"Joined"})");
        ZephroSdk4TolmarRunner::setSocketManager(i % 2 ? first : second);
        if (auto manager = ZephroSdk4TolmarRunner::socketManager()) manager->reconnect();
      }
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_EQ(events.events().size(), static_cast<std::size_t>(kThreads * kMessages));
  // Only the manager stored last keeps the delegate.
  auto current = ZephroSdk4TolmarRunner::socketManager();
  auto other = current == first ? second : first;
  EXPECT_NE(current->delegate(), nullptr);
  EXPECT_EQ(other->delegate(), nullptr);
}

}  // namespace
}  // namespace zephro
