// Which socket messages become page events, and the JSON text they carry.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/support/forwarded_events.h"
#include "zephro/platform/foundation/json_serialization.h"
#include "zephro/sdk/socket_json.h"
#include "zephro/sdk/socket_message_filter.h"
#include "zephro/sdk/zephro_sdk4_tolmar_runner.h"

namespace zephro {
namespace {

using platform::foundation::JSONSerialization;

struct FilterCase {
  const char* message;
  std::optional<EventModel> event;
};

void PrintTo(const FilterCase& c, std::ostream* out) { *out << c.message; }

EventModel broadcast(const char* name, const char* data) { return {name, data, std::nullopt, std::nullopt}; }
EventModel joined(const char* data) { return {"Joined", data, std::nullopt, "network-zigbee"}; }

class SocketMessageFilterTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(SocketMessageFilterTest, PostsTheEventOrNothing) {
  testing::ForwardedEvents events;
  ZephroSdk4TolmarRunner::handleSocketMessage(GetParam().message);
  std::vector<EventModel> expected;
  if (GetParam().event) expected.push_back(*GetParam().event);
  EXPECT_EQ(events.events(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Reports, SocketMessageFilterTest,
    ::testing::Values(
        FilterCase{R"({"messageType":"DeviceReport","name":"Normal","data":{"z":true,"identify":"learnCodeNotify","a":null}})",
                   broadcast("learnCodeNotify", R"({"a":null,"identify":"learnCodeNotify","z":true})")},
        FilterCase{R"({"name":"Normal","messageType":"DeviceReport","data":{"v":[1,2.5]}})",
                   broadcast("deviceEvent", R"({"v":[1,2.5]})")},
        FilterCase{R"({"messageType":"DeviceReport","name":"Normal","data":{"identify":7}})",
                   broadcast("deviceEvent", R"({"identify":7})")},
        FilterCase{R"({"messageType":"DeviceReport","name":"Normal","data":{"identify":"LearnCodeNotify"}})",
                   broadcast("deviceEvent", R"({"identify":"LearnCodeNotify"})")},
        FilterCase{R"({"messageType":"DeviceReport","name":"Joined","data":{"userDevice":{"id":"d1","b":1},"x":2}})",
                   joined(R"({"b":1,"id":"d1"})")},
        FilterCase{R"({"messageType":"DeviceReport","name":"Joined","data":{"x":2}})", std::nullopt},
        FilterCase{R"({"messageType":"DeviceReport","name":"Joined","data":{"userDevice":"d1"}})", std::nullopt},
        FilterCase{R"({"messageType":"DeviceReport","name":"Normal","data":[1]})", std::nullopt},
        FilterCase{R"({"messageType":"DeviceReport","name":"Normal"})", std::nullopt},
        FilterCase{R"({"messageType":"devicereport","name":"Normal","data":{}})", std::nullopt},
        FilterCase{R"({"messageType":"DeviceReport","data":{}})", std::nullopt},
        FilterCase{R"({"messageType":"DeviceReport","name":5,"data":{}})", std::nullopt},
        FilterCase{R"({"messageType":"DeviceReport","name":"Left","data":{}})", std::nullopt},
        FilterCase{R"([{"messageType":"DeviceReport","name":"Normal","data":{}}])", std::nullopt},
        FilterCase{R"({"messageType":"DeviceReport","name":"Normal","data":{}} trailing)", std::nullopt},
        FilterCase{R"({"messageType":"DeviceReport","name":"Normal","data":{"big":1e400}})", std::nullopt},
        FilterCase{"", std::nullopt}));

TEST(SocketMessageFilter, RefusesNestingDeeperThanThePlatformSerialisation) {
  auto report = [](std::size_t depth) {
    return R"({"messageType":"DeviceReport","name":"Normal","data":)" + std::string(depth, '[') +
           std::string(depth, ']') + "}";
  };
  // The message object itself is one level.
  EXPECT_FALSE(socketMessageEvent(report(JSONSerialization::maxDepth)).has_value());
  EXPECT_TRUE(socketMessageEvent(R"({"messageType":"DeviceReport","name":"Normal","data":{"a":)" +
                                 std::string(JSONSerialization::maxDepth - 2, '[') +
                                 std::string(JSONSerialization::maxDepth - 2, ']') + "}}")
                  .has_value());
  EXPECT_FALSE(socketMessageEvent(report(100000)).has_value());
}

// The event data is what the platform's serialisation would write for the
// parsed value: same member order, number forms and escapes.
TEST(SocketJSON, WritesWhatThePlatformSerialisationWrites) {
  const char* texts[] = {
      R"({"b":1,"a":{"d":[true,false,null],"c":""}})",
      R"([1.0,1e2,-0.0,0.1,123456789012345678901234,-9223372036854775808,18446744073709551615,2.5e-8])",
      R"(["\"quote\" \\ \/ \b\f\n\r\t \u0001 \u001f \u00e9 \u2028 \ud83d\ude00 é"])",
      R"({"dup":1,"dup":2})",
      R"("top")",
  };
  for (const char* text : texts) {
    auto ours = compactJSONText(*parseJSONTree(text));
    auto platform = JSONSerialization::data(*JSONSerialization::jsonObject(text));
    ASSERT_TRUE(ours && platform) << text;
    EXPECT_EQ(*ours, *platform) << text;
  }
  EXPECT_FALSE(parseJSONTree("{\"a\":\"\xff\"}").has_value());
  EXPECT_FALSE(parseJSONTree(R"(["\ud800"])").has_value());
}

}  // namespace
}  // namespace zephro
