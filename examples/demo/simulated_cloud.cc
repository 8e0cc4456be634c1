#include "simulated_cloud.h"

#include <cstdio>
#include <string>

#include <nlohmann/json.hpp>

#include "zephro/platform/dispatch/main_queue.h"

namespace zephro::demo {

namespace {

using nlohmann::json;

json joinedReport() {
  return {{"messageType", "DeviceReport"},
          {"name", "Joined"},
          {"data", {{"userDevice", {{"deviceId", "lamp-01"}, {"name", "客厅灯"}, {"model", "ZB-L1"}}}}}};
}

json normalReport(unsigned n) {
  json data = {{"deviceId", "lamp-01"}, {"state", {{"on", n % 2 == 0}, {"brightness", 20 + (n * 15) % 80}}}};
  if (n % 4 == 3) data["identify"] = "learnCodeNotify";
  return {{"messageType", "DeviceReport"}, {"name", "Normal"}, {"data", data}};
}

}  // namespace

SimulatedCloud::SimulatedCloud(std::chrono::milliseconds interval) : interval_(interval) {}

void SimulatedCloud::reconnect() {
  ++generation_;
  setIsConnected(hasToken());
  std::printf("[socket] reconnect (%s)\n", isConnected() ? "reporting devices" : "no token, idle");
  std::fflush(stdout);
  if (isConnected()) scheduleNextReport();
}

void SimulatedCloud::disconnect() {
  ++generation_;
  setIsConnected(false);
  std::printf("[socket] disconnect\n");
  std::fflush(stdout);
}

void SimulatedCloud::scheduleNextReport() {
  std::weak_ptr<SimulatedCloud> weak = weak_from_this();
  unsigned generation = generation_;
  platform::dispatch::MainQueue::asyncAfter(interval_, [weak, generation] {
    auto self = weak.lock();
    if (!self || self->generation_ != generation) return;
    self->sendReport();
    self->scheduleNextReport();
  });
}

void SimulatedCloud::sendReport() {
  json report = sent_ == 0 ? joinedReport() : normalReport(sent_);
  ++sent_;
  deliver(report.dump());
}

}  // namespace zephro::demo
