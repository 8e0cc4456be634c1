// A socket manager that plays the cloud: while logged in it reports a device
// joining the home and then its state changes every few seconds, as the real
// service would send them.
#pragma once

#include <chrono>
#include <memory>

#include "socket_manager_base.h"

namespace zephro::demo {

class SimulatedCloud : public SocketManagerBase, public std::enable_shared_from_this<SimulatedCloud> {
 public:
  explicit SimulatedCloud(std::chrono::milliseconds interval = std::chrono::seconds(3));

  void reconnect() override;
  void disconnect() override;

 private:
  void scheduleNextReport();
  void sendReport();

  std::chrono::milliseconds interval_;
  unsigned generation_ = 0;  // bumped to cancel the pending report
  unsigned sent_ = 0;
};

}  // namespace zephro::demo
