#include "zephro/sdk/zephro_sdk4_tolmar_runner.h"

#include <mutex>
#include <utility>

#include "zephro/platform/foundation/notification_center.h"
#include "zephro/sdk/socket_message_filter.h"

namespace zephro {

namespace {

// The host may store its manager and deliver messages on any thread.
// `handOver` keeps whole hand-overs apart (it is recursive because the host's
// disconnect() may itself store a manager); `access` guards only the pointer,
// so reading it never waits for a host call to return.
struct SocketManagerSlot {
  std::recursive_mutex handOver;
  std::mutex access;
  std::shared_ptr<ZPWebSocketManager> manager;
};

SocketManagerSlot& socketManagerSlot() {
  static SocketManagerSlot* slot = new SocketManagerSlot;  // lives until the process ends
  return *slot;
}

const std::shared_ptr<ZephroSdk4TolmarRunner>& sharedDelegate() {
  static const auto* delegate = new std::shared_ptr<ZephroSdk4TolmarRunner>(std::make_shared<ZephroSdk4TolmarRunner>());
  return *delegate;
}

}  // namespace

ZephroCloudConfig& ZephroSdk4TolmarRunner::cloudConfig() {
  static ZephroCloudConfig* config = new ZephroCloudConfig;
  return *config;
}

std::shared_ptr<ZPWebSocketManager> ZephroSdk4TolmarRunner::socketManager() {
  SocketManagerSlot& slot = socketManagerSlot();
  std::lock_guard lock(slot.access);
  return slot.manager;
}

void ZephroSdk4TolmarRunner::setSocketManager(std::shared_ptr<ZPWebSocketManager> manager) {
  SocketManagerSlot& slot = socketManagerSlot();
  std::lock_guard handOver(slot.handOver);
  std::shared_ptr<ZPWebSocketManager> previous;
  {
    std::lock_guard lock(slot.access);
    previous = std::exchange(slot.manager, manager);
  }
  if (previous) {
    previous->disconnect();
    previous->setDelegate(nullptr);
  }
  if (manager) manager->setDelegate(sharedDelegate());
}

void ZephroSdk4TolmarRunner::handleSocketMessage(std::string_view text) {
  if (std::optional<EventModel> event = socketMessageEvent(text)) {
    platform::foundation::NotificationCenter::defaultCenter().post(kJSBForwardEventNotification, std::move(*event));
  }
}

void ZephroSdk4TolmarRunner::onReceived(const std::string& message) { handleSocketMessage(message); }

}  // namespace zephro
