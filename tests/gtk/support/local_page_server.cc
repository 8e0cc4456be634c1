#include "tests/gtk/support/local_page_server.h"

#include <fstream>
#include <iterator>
#include <memory>
#include <utility>

namespace zephro::testing::gtk {

namespace {

// "path" of "GET /path?query HTTP/1.1"; empty for anything else.
std::string requestedPath(const std::string& head) {
  const auto lineEnd = head.find("\r\n");
  const auto start = head.find(" /") + 2;
  const auto end = head.find_first_of(" ?", start);
  if (start == 1 || end == std::string::npos || end > lineEnd) return {};
  return head.substr(start, end - start);
}

// Untyped: WebKit tells pages from scripts by their content and use.
std::string replyFor(const std::filesystem::path& file) {
  std::error_code error;
  std::string body;
  const bool found = std::filesystem::is_regular_file(file, error);
  if (found) {
    std::ifstream in(file, std::ios::binary);
    body.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  return std::string("HTTP/1.1 ") + (found ? "200 OK" : "404 Not Found") + "\r\nContent-Length: " +
         std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
}

}  // namespace

// One connection being read without blocking the main loop.
struct LocalPageServer::Request {
  LocalPageServer* server;
  GSocketConnection* connection;
  std::string head;
  char buffer[1024];
};

LocalPageServer::LocalPageServer(std::filesystem::path directory)
    : directory_(std::move(directory)), cancellable_(g_cancellable_new()) {
  startListening();
}

LocalPageServer::~LocalPageServer() {
  stopListening();
  g_cancellable_cancel(cancellable_);  // pending reads end without this server
  g_object_unref(cancellable_);
  for (auto* connection : unanswered_) g_object_unref(connection);
}

std::string LocalPageServer::origin() const { return "http://127.0.0.1:" + std::to_string(port_); }

void LocalPageServer::startListening() {
  if (service_ != nullptr) return;
  service_ = g_socket_service_new();
  auto* address = g_inet_socket_address_new_from_string("127.0.0.1", port_);
  GSocketAddress* bound = nullptr;
  g_socket_listener_add_address(G_SOCKET_LISTENER(service_), address, G_SOCKET_TYPE_STREAM, G_SOCKET_PROTOCOL_TCP,
                                nullptr, &bound, nullptr);
  port_ = g_inet_socket_address_get_port(G_INET_SOCKET_ADDRESS(bound));
  g_object_unref(bound);
  g_object_unref(address);
  g_signal_connect(service_, "incoming", G_CALLBACK(onIncoming), this);
}

void LocalPageServer::stopListening() {
  if (service_ == nullptr) return;
  g_socket_service_stop(service_);
  g_socket_listener_close(G_SOCKET_LISTENER(service_));
  g_object_unref(std::exchange(service_, nullptr));
}

gboolean LocalPageServer::onIncoming(GSocketService*, GSocketConnection* connection, GObject*, gpointer self) {
  auto* server = static_cast<LocalPageServer*>(self);
  g_object_ref(connection);
  if (server->silent_) {
    server->unanswered_.push_back(connection);
  } else {
    server->readMore(new Request{server, connection, {}, {}});
  }
  return TRUE;
}

void LocalPageServer::readMore(Request* request) {
  g_input_stream_read_async(g_io_stream_get_input_stream(G_IO_STREAM(request->connection)), request->buffer,
                            sizeof request->buffer, G_PRIORITY_DEFAULT, cancellable_, onRead, request);
}

void LocalPageServer::onRead(GObject* stream, GAsyncResult* result, gpointer data) {
  std::unique_ptr<Request> request(static_cast<Request*>(data));
  const gssize read = g_input_stream_read_finish(G_INPUT_STREAM(stream), result, nullptr);
  if (read > 0) request->head.append(request->buffer, static_cast<std::size_t>(read));
  const bool whole = request->head.find("\r\n\r\n") != std::string::npos;
  if (read > 0 && !whole) {
    request->server->readMore(request.release());
    return;
  }
  if (whole) {
    const std::string reply = replyFor(request->server->directory_ / requestedPath(request->head));
    g_output_stream_write_all(g_io_stream_get_output_stream(G_IO_STREAM(request->connection)), reply.data(),
                              reply.size(), nullptr, nullptr, nullptr);
  }
  g_io_stream_close(G_IO_STREAM(request->connection), nullptr, nullptr);
  g_object_unref(request->connection);
}

}  // namespace zephro::testing::gtk
