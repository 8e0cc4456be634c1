#include "zephro/testing/recording_socket_manager.h"

#include <utility>

namespace zephro::testing {

void SocketCallLog::add(std::string entry) {
  std::lock_guard lock(mutex_);
  entries_.push_back(std::move(entry));
}

std::vector<std::string> SocketCallLog::entries() const {
  std::lock_guard lock(mutex_);
  return entries_;
}

void SocketCallLog::clear() {
  std::lock_guard lock(mutex_);
  entries_.clear();
}

RecordingSocketManager::RecordingSocketManager(std::string name, std::shared_ptr<SocketCallLog> log)
    : name_(std::move(name)), log_(std::move(log)) {}

std::shared_ptr<ZPWebSocketManagerDelegate> RecordingSocketManager::delegate() const {
  std::lock_guard lock(mutex_);
  return delegate_;
}

void RecordingSocketManager::setDelegate(std::shared_ptr<ZPWebSocketManagerDelegate> delegate) {
  log_->add(name_ + (delegate ? ".delegate=set" : ".delegate=none"));
  std::lock_guard lock(mutex_);
  delegate_ = std::move(delegate);
}

std::optional<std::string> RecordingSocketManager::token() const {
  std::lock_guard lock(mutex_);
  return token_;
}

void RecordingSocketManager::setToken(std::optional<std::string> token) {
  log_->add(name_ + ".token=" + token.value_or("none"));
  std::lock_guard lock(mutex_);
  token_ = std::move(token);
}

void RecordingSocketManager::reconnect() { log_->add(name_ + ".reconnect"); }

void RecordingSocketManager::disconnect() { log_->add(name_ + ".disconnect"); }

void RecordingSocketManager::receive(const std::string& message) const {
  if (auto listener = delegate()) listener->onReceived(message);
}

}  // namespace zephro::testing
