#include "web_socket_client.h"

#include <cstdio>

namespace zephro::demo {

WebSocketClient::WebSocketClient(std::string url) : url_(std::move(url)), session_(soup_session_new()) {}

WebSocketClient::~WebSocketClient() {
  closeConnection();
  g_object_unref(session_);
}

void WebSocketClient::reconnect() {
  closeConnection();
  SoupMessage* request = soup_message_new("GET", url_.c_str());
  if (request == nullptr) {
    std::fprintf(stderr, "[socket] not a WebSocket address: %s\n", url_.c_str());
    return;
  }
  if (hasToken()) {
    std::string credential = "Bearer " + *token();
    soup_message_headers_replace(soup_message_get_request_headers(request), "Authorization", credential.c_str());
  }
  pending_ = g_cancellable_new();
  auto* weakSelf = new std::weak_ptr<WebSocketClient>(weak_from_this());
  soup_session_websocket_connect_async(session_, request, nullptr, nullptr, G_PRIORITY_DEFAULT, pending_,
                                       &WebSocketClient::onConnected, weakSelf);
  g_object_unref(request);
  std::printf("[socket] connecting to %s\n", url_.c_str());
  std::fflush(stdout);
}

void WebSocketClient::disconnect() {
  closeConnection();
  std::printf("[socket] disconnect\n");
  std::fflush(stdout);
}

void WebSocketClient::onConnected(GObject* session, GAsyncResult* result, gpointer weakSelf) {
  std::unique_ptr<std::weak_ptr<WebSocketClient>> weak(static_cast<std::weak_ptr<WebSocketClient>*>(weakSelf));
  GError* error = nullptr;
  SoupWebsocketConnection* connection = soup_session_websocket_connect_finish(SOUP_SESSION(session), result, &error);
  auto self = weak->lock();
  if (connection == nullptr) {
    if (self && !g_error_matches(error, G_IO_ERROR, G_IO_ERROR_CANCELLED)) {
      std::fprintf(stderr, "[socket] connection failed: %s\n", error->message);
    }
    g_clear_error(&error);
    return;
  }
  if (!self) {
    g_object_unref(connection);
    return;
  }
  self->adopt(connection);
}

void WebSocketClient::adopt(SoupWebsocketConnection* connection) {
  g_clear_object(&pending_);
  connection_ = connection;
  g_signal_connect(connection_, "message", G_CALLBACK(&WebSocketClient::onMessage), this);
  g_signal_connect(connection_, "closed", G_CALLBACK(&WebSocketClient::onClosed), this);
  setIsConnected(true);
  std::printf("[socket] connected\n");
  std::fflush(stdout);
}

void WebSocketClient::onMessage(SoupWebsocketConnection*, gint type, GBytes* message, gpointer self) {
  if (type != SOUP_WEBSOCKET_DATA_TEXT) return;
  gsize size = 0;
  const char* bytes = static_cast<const char*>(g_bytes_get_data(message, &size));
  static_cast<WebSocketClient*>(self)->deliver(std::string(bytes, size));
}

void WebSocketClient::onClosed(SoupWebsocketConnection*, gpointer self) {
  static_cast<WebSocketClient*>(self)->setIsConnected(false);
}

void WebSocketClient::closeConnection() {
  if (pending_ != nullptr) {
    g_cancellable_cancel(pending_);
    g_clear_object(&pending_);
  }
  if (connection_ == nullptr) return;
  g_signal_handlers_disconnect_by_data(connection_, this);
  if (soup_websocket_connection_get_state(connection_) == SOUP_WEBSOCKET_STATE_OPEN) {
    soup_websocket_connection_close(connection_, SOUP_WEBSOCKET_CLOSE_NORMAL, nullptr);
  }
  g_clear_object(&connection_);
  setIsConnected(false);
}

}  // namespace zephro::demo
