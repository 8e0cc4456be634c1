// The socket message filter on "Normal" and "Joined" device reports, posting
// its events to the default notification center, against nlohmann-json
// parsing and dumping the same texts.
#include <nlohmann/json.hpp>
#include <string>

#include "bench_support.h"
#include "zephro/sdk/zephro_sdk4_tolmar_runner.h"

int main() {
  using zephro::ZephroSdk4TolmarRunner;
  const std::string normal =
      R"({"messageType":"DeviceReport","name":"Normal","data":{"deviceId":"0x00158d0001a2b3c4",)"
      R"("identify":"learnCodeNotify","endpoint":1,"attributes":{"onOff":true,"level":254,"temp":21.5},)"
      R"("ts":1700000000123}})";
  const std::string joined =
      R"({"messageType":"DeviceReport","name":"Joined","data":{"userDevice":{"id":"d-17","name":"客厅灯",)"
      R"("model":"ZB-LIGHT-2","room":{"id":3,"name":"客厅"},"online":true},"gateway":"gw-1"}})";

  auto ours = [&] {
    ZephroSdk4TolmarRunner::handleSocketMessage(normal);
    ZephroSdk4TolmarRunner::handleSocketMessage(joined);
  };
  auto baseline = [&] {
    std::string a = nlohmann::json::parse(normal).dump();
    std::string b = nlohmann::json::parse(joined).dump();
    zephro::bench::keep(a);
    zephro::bench::keep(b);
  };

  zephro::bench::Comparison result = zephro::bench::compare(ours, baseline);
  zephro::bench::report("socket_filter", result);
  zephro::bench::printRatio("socket_filter", result.ratio());
}
