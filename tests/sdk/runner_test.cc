// The runner's socket side: the host's socket manager hand-over, and which
// socket messages become page events with what JSON text.
#include <gtest/gtest.h>

#include <optional>
#include <thread>
#include <vector>

#include "zephro/testing/forwarded_events.h"
#include "zephro/testing/recording_socket_manager.h"
#include "zephro/platform/foundation/json_serialization.h"
#include "zephro/sdk/socket_message_filter.h"
#include "zephro/sdk/zephro_sdk4_tolmar_runner.h"

namespace zephro {
namespace {

using platform::foundation::JSONSerialization;
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

EventModel broadcast(const char* name, const char* data) { return {name, data, std::nullopt, std::nullopt}; }

TEST(SocketMessageFilter, PostsTheEventOrNothing) {
  const std::pair<std::string, std::optional<EventModel>> cases[] = {
      {R"({"messageType":"DeviceReport","name":"Normal","data":{"z":true,"identify":"learnCodeNotify","a":null}})",
       broadcast("learnCodeNotify", R"({"a":null,"identify":"learnCodeNotify","z":true})")},
      {R"({"name":"Normal","messageType":"DeviceReport","data":{"v":[1,2.5]}})",
       broadcast("deviceEvent", R"({"v":[1,2.5]})")},
      {R"({"messageType":"DeviceReport","name":"Normal","data":{"identify":7}})",
       broadcast("deviceEvent", R"({"identify":7})")},
      {R"({"messageType":"DeviceReport","name":"Normal","data":{"identify":"LearnCodeNotify"}})",
       broadcast("deviceEvent", R"({"identify":"LearnCodeNotify"})")},
      {R"({"messageType":"DeviceReport","name":"Joined","data":{"userDevice":{"id":"d1","b":1},"x":2}})",
       EventModel{"Joined", R"({"b":1,"id":"d1"})", std::nullopt, "network-zigbee"}},
      {R"({"messageType":"DeviceReport","name":"Joined","data":{"x":2}})", std::nullopt},
      {R"({"messageType":"DeviceReport","name":"Joined","data":{"userDevice":"d1"}})", std::nullopt},
      {R"({"messageType":"DeviceReport","name":"Normal","data":[1]})", std::nullopt},
      {R"({"messageType":"DeviceReport","name":"Normal"})", std::nullopt},
      {R"({"messageType":"devicereport","name":"Normal","data":{}})", std::nullopt},
      {R"({"messageType":"DeviceReport","name":5,"data":{}})", std::nullopt},
      {R"({"messageType":"DeviceReport","name":"Left","data":{}})", std::nullopt},
      {R"([{"messageType":"DeviceReport","name":"Normal","data":{}}])", std::nullopt},
      {R"({"messageType":"DeviceReport","name":"Normal","data":{}} trailing)", std::nullopt},
      {R"({"messageType":"DeviceReport","name":"Normal","data":{"big":1e400}})", std::nullopt},
      {"", std::nullopt},
      // The parser would stop at the NUL and post the event.
      {std::string(R"({"messageType":"DeviceReport","name":"Normal","data":{}})") + '\0' + "}}} junk", std::nullopt}};
  for (const auto& [message, event] : cases) {
    testing::ForwardedEvents events;
    ZephroSdk4TolmarRunner::handleSocketMessage(message);
    EXPECT_EQ(events.events(), event ? std::vector<EventModel>{*event} : std::vector<EventModel>{}) << message;
  }
}

TEST(SocketMessageFilter, RefusesNestingDeeperThanThePlatformSerialisation) {
  auto report = [](std::size_t depth) {
    return R"({"messageType":"DeviceReport","name":"Normal","data":{"a":)" + std::string(depth, '[') +
           std::string(depth, ']') + "}}";
  };
  // The message object and its data are two levels.
  EXPECT_TRUE(socketMessageEvent(report(JSONSerialization::maxDepth - 2)).has_value());
  EXPECT_FALSE(socketMessageEvent(report(JSONSerialization::maxDepth - 1)).has_value());
  EXPECT_FALSE(socketMessageEvent(report(100000)).has_value());
}

}  // namespace
}  // namespace zephro
