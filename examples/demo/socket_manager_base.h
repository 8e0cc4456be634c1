// The plain state every demo socket manager keeps: delegate, token and the
// connected flag, with each call the kit makes written to standard output.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "zephro/sdk/zp_web_socket_manager.h"

namespace zephro::demo {

class SocketManagerBase : public ZPWebSocketManager {
 public:
  std::shared_ptr<ZPWebSocketManagerDelegate> delegate() const override { return delegate_; }
  void setDelegate(std::shared_ptr<ZPWebSocketManagerDelegate> delegate) override { delegate_ = std::move(delegate); }
  std::optional<std::string> token() const override { return token_; }
  void setToken(std::optional<std::string> token) override;
  bool isConnected() const override { return connected_; }
  void setIsConnected(bool connected) override { connected_ = connected; }

 protected:
  // Hands one received text message to the kit.
  void deliver(const std::string& message) const;
  bool hasToken() const { return token_ && !token_->empty(); }

 private:
  std::shared_ptr<ZPWebSocketManagerDelegate> delegate_;
  std::optional<std::string> token_;
  bool connected_ = false;
};

}  // namespace zephro::demo
