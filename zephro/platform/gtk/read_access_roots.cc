#include "zephro/platform/gtk/read_access_roots.h"

#include "zephro/platform/gtk/web_extension_protocol.h"

namespace zephro::platform::gtk {

namespace protocol = web_extension_protocol;

ReadAccessRoots::ReadAccessRoots(WebKitWebContext* context)
    : context_(context),
      initializing_(SignalConnection::connect<void(WebKitWebContext*)>(
          context, "initialize-web-process-extensions", [this](WebKitWebContext*) { handOverRoots(); })) {}

void ReadAccessRoots::set(WebKitWebView* view, const std::string& root) {
  const auto pageId = webkit_web_view_get_page_id(view);
  if (root.empty()) {
    forget(pageId);
    return;
  }
  roots_[pageId] = root;
  announce(pageId, root);
}

void ReadAccessRoots::forget(std::uint64_t pageId) {
  if (roots_.erase(pageId) > 0) announce(pageId, "");
}

void ReadAccessRoots::announce(std::uint64_t pageId, const std::string& root) {
  GVariant* parameters = g_variant_new(protocol::kReadAccessRootMessageType, static_cast<guint64>(pageId), root.c_str());
  webkit_web_context_send_message_to_all_extensions(
      context_, webkit_user_message_new(protocol::kReadAccessRootMessage, parameters));
}

// A web process about to launch gets the whole table.
void ReadAccessRoots::handOverRoots() {
  GVariantBuilder builder;
  g_variant_builder_init(&builder, G_VARIANT_TYPE(protocol::kInitialRootsType));
  for (const auto& [pageId, root] : roots_) {
    g_variant_builder_add(&builder, "{ts}", static_cast<guint64>(pageId), root.c_str());
  }
  webkit_web_context_set_web_process_extensions_initialization_user_data(context_, g_variant_builder_end(&builder));
}

}  // namespace zephro::platform::gtk
