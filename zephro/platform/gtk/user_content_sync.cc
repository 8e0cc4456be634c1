#include "zephro/platform/gtk/user_content_sync.h"

#include <set>

namespace zephro::platform::gtk {
namespace {

// A null-terminated pattern array for WebKit, or null for an empty list
// (which WebKit, like the model, reads as "no restriction" for an allow list).
class PatternArray {
 public:
  explicit PatternArray(const std::vector<std::string>& patterns) {
    for (const auto& pattern : patterns) items_.push_back(pattern.c_str());
    items_.push_back(nullptr);
  }
  const gchar* const* get() const { return items_.size() > 1 ? items_.data() : nullptr; }

 private:
  std::vector<const gchar*> items_;
};

}  // namespace

UserContentSync::UserContentSync(MessageSink sink)
    : manager_(GObjectRef<WebKitUserContentManager>::adopt(webkit_user_content_manager_new())),
      sink_(std::move(sink)) {}

UserContentSync::~UserContentSync() {
  for (const auto& [name, registration] : handlers_) g_signal_handler_disconnect(manager_.get(), registration->signal);
}

void UserContentSync::setUserScripts(const std::vector<web::UserScript>& scripts) {
  webkit_user_content_manager_remove_all_scripts(manager_.get());
  for (const auto& script : scripts) {
    const auto frames =
        script.forMainFrameOnly ? WEBKIT_USER_CONTENT_INJECT_TOP_FRAME : WEBKIT_USER_CONTENT_INJECT_ALL_FRAMES;
    const auto time = script.injectionTime == web::InjectionTime::atDocumentStart
                          ? WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_START
                          : WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_END;
    const PatternArray allow(script.documents.allowList), block(script.documents.blockList);
    WebKitUserScript* made = webkit_user_script_new(script.source.c_str(), frames, time, allow.get(), block.get());
    webkit_user_content_manager_add_script(manager_.get(), made);
    webkit_user_script_unref(made);
  }
}

void UserContentSync::setHandlerNames(const std::vector<std::string>& names) {
  const std::set<std::string> wanted(names.begin(), names.end());
  std::vector<std::string> stale;
  for (const auto& [name, registration] : handlers_) {
    if (!wanted.contains(name)) stale.push_back(name);
  }
  for (const auto& name : stale) unregisterHandler(name);
  for (const auto& name : wanted) {
    if (!handlers_.contains(name)) registerHandler(name);
  }
}

void UserContentSync::registerHandler(const std::string& name) {
  auto registration = std::make_unique<Registration>(Registration{this, name});
  // Connected before registering, as WebKit advises, so no message slips by.
  const std::string signal = "script-message-received::" + name;
  registration->signal = g_signal_connect(manager_.get(), signal.c_str(), G_CALLBACK(onMessage), registration.get());
  webkit_user_content_manager_register_script_message_handler(manager_.get(), name.c_str(), nullptr);
  handlers_.emplace(name, std::move(registration));
}

void UserContentSync::unregisterHandler(const std::string& name) {
  const auto registration = handlers_.find(name);
  webkit_user_content_manager_unregister_script_message_handler(manager_.get(), name.c_str(), nullptr);
  g_signal_handler_disconnect(manager_.get(), registration->second->signal);
  handlers_.erase(registration);
}

void UserContentSync::onMessage(WebKitUserContentManager*, JSCValue* body, gpointer registration) {
  const auto* handler = static_cast<Registration*>(registration);
  handler->owner->sink_(handler->name, body);
}

}  // namespace zephro::platform::gtk
