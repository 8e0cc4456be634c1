#pragma once

#include <webkit/webkit.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "zephro/platform/gtk/callback_trampoline.h"
#include "zephro/platform/gtk/gobject_ref.h"
#include "zephro/platform/web/user_script.h"

namespace zephro::platform::gtk {

// Keeps one web view's content manager equal to the shared configuration's
// user scripts and handler names. Each web view has its own manager because
// WebKit's message signal does not say which view posted.
class UserContentSync {
 public:
  using MessageSink = std::function<void(const std::string& name, JSCValue* body)>;

  explicit UserContentSync(MessageSink sink);
  UserContentSync(const UserContentSync&) = delete;
  UserContentSync& operator=(const UserContentSync&) = delete;

  WebKitUserContentManager* manager() const { return manager_.get(); }

  // The scripts apply from the next page load on, in the given order. Only
  // what differs from the scripts in force goes to the engine.
  void setUserScripts(const std::vector<web::UserScript>& scripts);
  void setHandlerNames(const std::vector<std::string>& names);

 private:
  using ScriptRef = std::unique_ptr<WebKitUserScript, decltype(&webkit_user_script_unref)>;
  struct InstalledScript {
    web::UserScript script;
    ScriptRef installed;
  };
  void registerHandler(const std::string& name);
  void unregisterHandler(const std::string& name);

  GObjectRef<WebKitUserContentManager> manager_;
  MessageSink sink_;
  // Handler name -> its message signal's connection.
  std::map<std::string, SignalConnection> handlers_;
  std::vector<InstalledScript> scripts_;
};

}  // namespace zephro::platform::gtk
