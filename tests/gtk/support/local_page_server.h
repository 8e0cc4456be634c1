// An HTTP server on the loopback interface that serves the files of one
// directory, for pages loaded from a development server. Its port is fixed at
// construction; it can stop listening (connections are then refused) and keep
// silent (connections are accepted and never answered).
#pragma once

#include <gio/gio.h>

#include <filesystem>
#include <string>
#include <vector>

namespace zephro::testing::gtk {

class LocalPageServer {
 public:
  // Listening and answering.
  explicit LocalPageServer(std::filesystem::path directory);
  ~LocalPageServer();
  LocalPageServer(const LocalPageServer&) = delete;
  LocalPageServer& operator=(const LocalPageServer&) = delete;

  // "http://127.0.0.1:PORT".
  std::string origin() const;
  void startListening();
  void stopListening();
  void setSilent(bool silent) { silent_ = silent; }

 private:
  struct Request;
  static gboolean onIncoming(GSocketService* service, GSocketConnection* connection, GObject*, gpointer self);
  void readMore(Request* request);
  static void onRead(GObject* stream, GAsyncResult* result, gpointer request);

  std::filesystem::path directory_;
  GCancellable* cancellable_;
  GSocketService* service_ = nullptr;
  guint16 port_ = 0;
  bool silent_ = false;
  // Held open, unanswered, while silent.
  std::vector<GSocketConnection*> unanswered_;
};

}  // namespace zephro::testing::gtk
