#include "tests/gtk/support/local_http_server.h"

#include <gtest/gtest.h>

#include <utility>

namespace zephro::testing::gtk {

LocalHttpServer::LocalHttpServer()
    : server_(platform::gtk::GObjectRef<SoupServer>::adopt(soup_server_new(nullptr, nullptr))) {
  soup_server_add_handler(server_.get(), nullptr, onRequest, this, nullptr);
  GError* error = nullptr;
  // Both loopback families, so that "localhost" reaches it whichever it resolves to first.
  if (!soup_server_listen_local(server_.get(), 0, static_cast<SoupServerListenOptions>(0), &error)) {
    ADD_FAILURE() << "cannot listen: " << error->message;
    g_error_free(error);
    return;
  }
  GSList* uris = soup_server_get_uris(server_.get());
  if (uris != nullptr) port_ = static_cast<guint>(g_uri_get_port(static_cast<GUri*>(uris->data)));
  g_slist_free_full(uris, reinterpret_cast<GDestroyNotify>(g_uri_unref));
}

void LocalHttpServer::serve(const std::string& path, std::string body, std::string contentType) {
  resources_[path] = Resource{std::move(body), std::move(contentType)};
}

std::string LocalHttpServer::origin(const std::string& host) const {
  return "http://" + host + ":" + std::to_string(port_);
}

void LocalHttpServer::onRequest(SoupServer*, SoupServerMessage* message, const char* path, GHashTable*,
                                gpointer self) {
  const auto& resources = static_cast<LocalHttpServer*>(self)->resources_;
  const auto found = resources.find(path);
  if (found == resources.end()) {
    soup_server_message_set_status(message, SOUP_STATUS_NOT_FOUND, nullptr);
    return;
  }
  const Resource& resource = found->second;
  soup_server_message_set_response(message, resource.contentType.c_str(), SOUP_MEMORY_COPY, resource.body.data(),
                                   resource.body.size());
  soup_server_message_set_status(message, SOUP_STATUS_OK, nullptr);
}

}  // namespace zephro::testing::gtk
