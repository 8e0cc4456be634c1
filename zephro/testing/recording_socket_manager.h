// A host socket manager that only records what the kit asks of it, into a log
// it may share with other managers so that tests can check the order of
// calls across a hand-over.
#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "zephro/sdk/zp_web_socket_manager.h"

namespace zephro::testing {

class SocketCallLog {
 public:
  void add(std::string entry);
  std::vector<std::string> entries() const;
  void clear();

 private:
  mutable std::mutex mutex_;
  std::vector<std::string> entries_;
};

// Log entries: "<name>.disconnect", "<name>.reconnect",
// "<name>.delegate=set" / "<name>.delegate=none",
// "<name>.token=<text>" / "<name>.token=none".
class RecordingSocketManager : public ZPWebSocketManager {
 public:
  explicit RecordingSocketManager(std::string name = "socket",
                                  std::shared_ptr<SocketCallLog> log = std::make_shared<SocketCallLog>());

  std::shared_ptr<ZPWebSocketManagerDelegate> delegate() const override;
  void setDelegate(std::shared_ptr<ZPWebSocketManagerDelegate> delegate) override;
  std::optional<std::string> token() const override;
  void setToken(std::optional<std::string> token) override;
  bool isConnected() const override { return false; }
  void setIsConnected(bool /*connected*/) override {}
  void reconnect() override;
  void disconnect() override;

  SocketCallLog& log() { return *log_; }
  // Hands `message` to the installed delegate, as a receiving socket would.
  void receive(const std::string& message) const;

 private:
  std::string name_;
  std::shared_ptr<SocketCallLog> log_;
  mutable std::mutex mutex_;
  std::shared_ptr<ZPWebSocketManagerDelegate> delegate_;
  std::optional<std::string> token_;
};

}  // namespace zephro::testing
