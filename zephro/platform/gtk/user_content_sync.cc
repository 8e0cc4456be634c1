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
  for (const auto& [name, connection] : handlers_) {
    if (!wanted.contains(name)) stale.push_back(name);
  }
  for (const auto& name : stale) unregisterHandler(name);
  for (const auto& name : wanted) {
    if (!handlers_.contains(name)) registerHandler(name);
  }
}

void UserContentSync::registerHandler(const std::string& name) {
  // Connected before registering, as WebKit advises, so no message slips by.
  const std::string signal = "script-message-received::" + name;
  handlers_.emplace(name, SignalConnection::connect<void(WebKitUserContentManager*, JSCValue*)>(
                              manager_.get(), signal.c_str(),
                              [this, name](WebKitUserContentManager*, JSCValue* body) { sink_(name, body); }));
  webkit_user_content_manager_register_script_message_handler(manager_.get(), name.c_str(), nullptr);
}

void UserContentSync::unregisterHandler(const std::string& name) {
  webkit_user_content_manager_unregister_script_message_handler(manager_.get(), name.c_str(), nullptr);
  handlers_.erase(name);
}

}  // namespace zephro::platform::gtk
