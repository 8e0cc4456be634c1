// The platform's JSON serialisation against nlohmann-json's own tree, on a
// socket message of the size the kit handles.
#include <nlohmann/json.hpp>

#include "bench_support.h"
#include "zephro/platform/foundation/json_serialization.h"

using zephro::platform::foundation::JSONSerialization;

int main() {
  const std::string text =
      R"({"messageType":"DeviceReport","name":"Joined","seq":1234567,"ok":true,)"
      R"("userDevice":{"deviceId":"0x00158d0001a2b3c4","name":"客厅温湿度","online":true,)"
      R"("battery":87,"temperature":21.5,"humidity":48.25,"tags":["zigbee","sensor",null],)"
      R"("endpoints":[{"id":1,"clusters":[0,1,1026,1029]},{"id":2,"clusters":[6,8]}]}})";
  const std::any value = *JSONSerialization::jsonObject(text);
  const nlohmann::json tree = nlohmann::json::parse(text);

  using namespace zephro::bench;
  Comparison reading = compare([&] { keep(JSONSerialization::jsonObject(text)); },
                               [&] { keep(nlohmann::json::parse(text)); });
  Comparison writing = compare([&] { keep(JSONSerialization::data(value)); },
                               [&] { keep(tree.dump()); });
  report("json_read", reading);
  report("json_write", writing);
  printRatio("json_read", reading.ratio());
  printRatio("json_write", writing.ratio());
}
