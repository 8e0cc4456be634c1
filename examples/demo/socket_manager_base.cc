#include "socket_manager_base.h"

#include <cstdio>

namespace zephro::demo {

void SocketManagerBase::setToken(std::optional<std::string> token) {
  token_ = std::move(token);
  std::printf("[socket] token %s\n", token_ ? (token_->empty() ? "empty" : "set") : "cleared");
  std::fflush(stdout);
}

void SocketManagerBase::deliver(const std::string& message) const {
  if (delegate_) delegate_->onReceived(message);
}

}  // namespace zephro::demo
