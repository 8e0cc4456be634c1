#pragma once

#include <libsoup/soup.h>

#include <map>
#include <string>

#include "zephro/platform/gtk/gobject_ref.h"

namespace zephro::testing::gtk {

// A web server of another origin for the kit's pages to meet: HTTP on the
// loopback interface, on a free port, answering on the default GLib main
// context (so while a test spins it). Paths it was not given answer 404.
class LocalHttpServer {
 public:
  LocalHttpServer();
  LocalHttpServer(const LocalHttpServer&) = delete;
  LocalHttpServer& operator=(const LocalHttpServer&) = delete;

  // Answers GET `path` with `body` as `contentType`.
  void serve(const std::string& path, std::string body, std::string contentType = "text/html");
  // "http://<host>:<port>"; "localhost" names the same server under another origin.
  std::string origin(const std::string& host = "127.0.0.1") const;

 private:
  struct Resource {
    std::string body;
    std::string contentType;
  };
  static void onRequest(SoupServer* server, SoupServerMessage* message, const char* path, GHashTable* query,
                        gpointer self);

  platform::gtk::GObjectRef<SoupServer> server_;
  guint port_ = 0;
  std::map<std::string, Resource> resources_;
};

}  // namespace zephro::testing::gtk
