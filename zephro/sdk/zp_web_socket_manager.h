// The host's socket connection to its cloud service, as the kit sees it. The
// host implements both interfaces and hands its manager to
// ZephroSdk4TolmarRunner::setSocketManager. The kit drives the connection
// (token, reconnect, disconnect) from its login flow and never waits for a
// connection state.
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace zephro {

class ZPWebSocketManagerDelegate {
 public:
  virtual ~ZPWebSocketManagerDelegate() = default;
  // Called once per received text message, on any thread.
  virtual void onReceived(const std::string& message) = 0;
};

class ZPWebSocketManager {
 public:
  virtual ~ZPWebSocketManager() = default;

  // Held strongly by the manager. The kit installs its own delegate when the
  // manager is handed over and clears it when the manager is replaced.
  virtual std::shared_ptr<ZPWebSocketManagerDelegate> delegate() const = 0;
  virtual void setDelegate(std::shared_ptr<ZPWebSocketManagerDelegate> delegate) = 0;
  // The login token the connection authenticates with.
  virtual std::optional<std::string> token() const = 0;
  virtual void setToken(std::optional<std::string> token) = 0;
  // Never read or written by the kit.
  virtual bool isConnected() const = 0;
  virtual void setIsConnected(bool connected) = 0;
  virtual void reconnect() = 0;
  virtual void disconnect() = 0;
};

}  // namespace zephro
