// The kit's entry point for the host application: the shared cloud
// configuration, the host's socket manager, and the socket messages that
// become page events.
//
// Expected order: set the fields of cloudConfig(), setSocketManager(), call
// prepare() once, then openSdkHome() whenever the kit is to be shown.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "zephro/sdk/zephro_cloud_config.h"
#include "zephro/sdk/zp_web_socket_manager.h"

namespace zephro {

namespace platform::ui {
class ViewController;
}

class ZephroSdk4TolmarRunner : public ZPWebSocketManagerDelegate {
 public:
  // The one configuration, made with its defaults on first use. The host
  // changes its fields, never the instance.
  static ZephroCloudConfig& cloudConfig();

  // The host's manager; null until the host sets one.
  static std::shared_ptr<ZPWebSocketManager> socketManager();
  // Hands over: the previous manager is disconnected and loses its delegate,
  // then the new one (if any) gets the runner's shared delegate. Never
  // reconnects and never sets a token: connecting is the login flow's job.
  static void setSocketManager(std::shared_ptr<ZPWebSocketManager> manager);

  // One-time preparation of the whole kit, and showing its home screen above
  // `host` (zephro/entry/preparation.cc).
  static void prepare();
  static void openSdkHome(platform::ui::ViewController& host);

  // Passes device reports on to the pages: a "DeviceReport" message named
  // "Joined" or "Normal" posts an EventModel on "jsb-forward-event", on the
  // calling thread. Anything else is dropped silently.
  static void handleSocketMessage(std::string_view text);

  void onReceived(const std::string& message) override;
};

}  // namespace zephro
