#include "zephro/platform/gtk/user_content_sync.h"

#include <algorithm>
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

WebKitUserScript* makeWebKitScript(const web::UserScript& script) {
  const auto frames =
      script.forMainFrameOnly ? WEBKIT_USER_CONTENT_INJECT_TOP_FRAME : WEBKIT_USER_CONTENT_INJECT_ALL_FRAMES;
  const auto time = script.injectionTime == web::InjectionTime::atDocumentStart
                        ? WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_START
                        : WEBKIT_USER_SCRIPT_INJECT_AT_DOCUMENT_END;
  const PatternArray allow(script.documents.allowList), block(script.documents.blockList);
  return webkit_user_script_new(script.source.c_str(), frames, time, allow.get(), block.get());
}

}  // namespace

UserContentSync::UserContentSync(MessageSink sink)
    : manager_(GObjectRef<WebKitUserContentManager>::adopt(webkit_user_content_manager_new())),
      sink_(std::move(sink)) {}

UserContentSync::~UserContentSync() {
  for (const auto& [name, registration] : handlers_) g_signal_handler_disconnect(manager_.get(), registration->signal);
}

// Every script added or removed is a message to the web process: the scripts
// before the first that differs stay, only the rest is replaced (usually the
// last one alone).
void UserContentSync::setUserScripts(const std::vector<web::UserScript>& scripts) {
  const auto kept = std::mismatch(scripts_.begin(), scripts_.end(), scripts.begin(), scripts.end(),
                                  [](const InstalledScript& installed, const web::UserScript& wanted) {
                                    return installed.script == wanted;
                                  });
  for (auto stale = kept.first; stale != scripts_.end(); ++stale) {
    webkit_user_content_manager_remove_script(manager_.get(), stale->installed.get());
  }
  scripts_.erase(kept.first, scripts_.end());
  for (auto added = kept.second; added != scripts.end(); ++added) {
    ScriptRef installed(makeWebKitScript(*added), webkit_user_script_unref);
    webkit_user_content_manager_add_script(manager_.get(), installed.get());
    scripts_.push_back({*added, std::move(installed)});
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
