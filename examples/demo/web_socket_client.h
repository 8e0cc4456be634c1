// A socket manager on a real WebSocket (libsoup 3): connects to the given
// address with the login token as a bearer credential and hands every text
// message to the kit.
#pragma once

#include <memory>
#include <string>

#include <libsoup/soup.h>

#include "socket_manager_base.h"

namespace zephro::demo {

class WebSocketClient : public SocketManagerBase, public std::enable_shared_from_this<WebSocketClient> {
 public:
  explicit WebSocketClient(std::string url);
  ~WebSocketClient() override;

  void reconnect() override;
  void disconnect() override;

 private:
  static void onConnected(GObject* session, GAsyncResult* result, gpointer weakSelf);
  static void onMessage(SoupWebsocketConnection*, gint type, GBytes* message, gpointer self);
  static void onClosed(SoupWebsocketConnection*, gpointer self);
  void adopt(SoupWebsocketConnection* connection);
  void closeConnection();

  std::string url_;
  SoupSession* session_;
  SoupWebsocketConnection* connection_ = nullptr;
  GCancellable* pending_ = nullptr;
};

}  // namespace zephro::demo
