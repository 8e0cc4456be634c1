// Loaded by WebKit into every web process of the kit's web context. It moves
// "resource://NAME" requests to the kit's private scheme, confines file://
// reads of each page to the read-access root its last file load was given,
// and keeps the bridge from documents without an address of their own that
// another origin made (extension/frame_rules.h).

#include <webkit/webkit-web-process-extension.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "zephro/platform/gtk/callback_trampoline.h"
#include "zephro/platform/gtk/extension/frame_rules.h"
#include "zephro/platform/gtk/extension/request_rules.h"
#include "zephro/platform/gtk/web_extension_protocol.h"

// A string array from g_strsplit, freed with its strings.
template <>
struct zephro::platform::gtk::GRelease<gchar*> {
  static void release(gchar** value) { g_strfreev(value); }
};

namespace protocol = zephro::platform::gtk::web_extension_protocol;
namespace rules = zephro::platform::gtk::extension;
using zephro::platform::gtk::connectSignal;
using zephro::platform::gtk::GObjectRef;
using zephro::platform::gtk::GOwned;

namespace {

// Page id -> read-access root. The UI process announces roots to every web
// process, so a page keeps its root whichever process it lands in.
std::map<std::uint64_t, std::string>& readAccessRoots() {
  static std::map<std::uint64_t, std::string> roots;
  return roots;
}

void setReadAccessRoot(std::uint64_t pageId, std::string root) {
  if (root.empty()) {
    readAccessRoots().erase(pageId);
  } else {
    readAccessRoots()[pageId] = std::move(root);
  }
}

std::optional<std::filesystem::path> readAccessRoot(WebKitWebPage* page) {
  const auto root = readAccessRoots().find(webkit_web_page_get_id(page));
  if (root == readAccessRoots().end()) return std::nullopt;
  return std::filesystem::path(root->second);
}

// Returning TRUE cancels the request.
gboolean onSendRequest(WebKitWebPage* page, WebKitURIRequest* request, WebKitURIResponse*) {
  const std::string uri = webkit_uri_request_get_uri(request);
  if (auto privateUri = rules::privateResourceUri(uri)) {
    webkit_uri_request_set_uri(request, privateUri->c_str());
    return FALSE;
  }
  return !rules::isRequestAllowed(uri, readAccessRoot(page));
}

void onPageCreated(WebKitWebProcessExtension*, WebKitWebPage* page) {
  connectSignal<gboolean(WebKitWebPage*, WebKitURIRequest*, WebKitURIResponse*)>(page, "send-request", onSendRequest);
}

// The frame's ancestors as its new document sees them, nearest first: a line
// per readable one ("1" or "0" for whether it has the handlers, then its
// address), and "!" where one of another origin stops the walk.
const std::string& ancestorsScript() {
  static const std::string script = std::string(R"((function () {
  var lines = [];
  for (var w = window; w.parent !== w; ) {
    w = w.parent;
    try { lines.push(()") + protocol::kHasBridgeExpression + R"( ? "1" : "0") + String(w.location.href)); }
    catch (e) { lines.push("!"); break; }
  }
  return lines.join("\n");
})())";
  return script;
}

bool losesBridge(const std::string& address, JSCContext* context) {
  const auto result = GObjectRef<JSCValue>::adopt(jsc_context_evaluate(context, ancestorsScript().c_str(), -1));
  const GOwned<gchar> text(jsc_value_is_string(result.get()) ? jsc_value_to_string(result.get()) : g_strdup(""));
  const GOwned<gchar*> lines(g_strsplit(text.get(), "\n", -1));
  std::vector<rules::Ancestor> ancestors;
  bool endsAtOtherOrigin = false;
  for (gchar** line = lines.get(); *line != nullptr && **line != '\0'; ++line) {
    endsAtOtherOrigin = **line == '!';
    if (!endsAtOtherOrigin) ancestors.push_back({*line + 1, **line == '1'});
  }
  return rules::losesBridge(address, ancestors, endsAtOtherOrigin);
}

// Runs as a frame gets a fresh window, before any of its document's scripts.
void onWindowObjectCleared(WebKitScriptWorld* world, WebKitWebPage*, WebKitFrame* frame) {
  const gchar* uri = webkit_frame_get_uri(frame);
  const std::string address = uri != nullptr ? uri : "";
  if (!rules::inheritsOrigin(address)) return;
  const auto context = GObjectRef<JSCContext>::adopt(webkit_frame_get_js_context_for_script_world(frame, world));
  if (!losesBridge(address, context.get())) return;
  const auto taken = GObjectRef<JSCValue>::adopt(jsc_context_evaluate(context.get(), protocol::kTakeBridgeScript, -1));
}

gboolean onUserMessage(WebKitWebProcessExtension*, WebKitUserMessage* message) {
  if (g_strcmp0(webkit_user_message_get_name(message), protocol::kReadAccessRootMessage) != 0) return FALSE;
  GVariant* parameters = webkit_user_message_get_parameters(message);
  if (parameters == nullptr || !g_variant_is_of_type(parameters, G_VARIANT_TYPE(protocol::kReadAccessRootMessageType))) {
    return TRUE;
  }
  guint64 pageId = 0;
  const gchar* root = nullptr;
  g_variant_get(parameters, "(t&s)", &pageId, &root);
  setReadAccessRoot(pageId, root);
  return TRUE;
}

void loadInitialRoots(const GVariant* data) {
  auto* roots = const_cast<GVariant*>(data);
  if (roots == nullptr || !g_variant_is_of_type(roots, G_VARIANT_TYPE(protocol::kInitialRootsType))) return;
  GVariantIter iter;
  g_variant_iter_init(&iter, roots);
  guint64 pageId = 0;
  const gchar* root = nullptr;
  while (g_variant_iter_next(&iter, "{t&s}", &pageId, &root)) setReadAccessRoot(pageId, root);
}

}  // namespace

extern "C" G_MODULE_EXPORT void webkit_web_process_extension_initialize_with_user_data(
    WebKitWebProcessExtension* extension, const GVariant* data) {
  loadInitialRoots(data);
  connectSignal<void(WebKitWebProcessExtension*, WebKitWebPage*)>(extension, "page-created", onPageCreated);
  connectSignal<gboolean(WebKitWebProcessExtension*, WebKitUserMessage*)>(extension, "user-message-received",
                                                                          onUserMessage);
  connectSignal<void(WebKitScriptWorld*, WebKitWebPage*, WebKitFrame*)>(webkit_script_world_get_default(),
                                                                        "window-object-cleared", onWindowObjectCleared);
}
