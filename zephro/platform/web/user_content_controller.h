#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "zephro/platform/web/configuration_observer.h"
#include "zephro/platform/web/script_message_handler.h"
#include "zephro/platform/web/user_script.h"

namespace zephro::platform::web {

// The user scripts and script-message handlers of a configuration. Every web
// view made with the configuration shares them: a script added here runs in
// each later page load of any of those views.
class UserContentController {
 public:
  // `didChange` is told of every change (the owning configuration passes it on
  // to its observers).
  explicit UserContentController(ConfigurationChangeCallback didChange = {});
  UserContentController(const UserContentController&) = delete;
  UserContentController& operator=(const UserContentController&) = delete;

  void addUserScript(UserScript script);
  void removeAllUserScripts();
  // Replaces all scripts in one change; none is reported when `scripts` are
  // the ones in force.
  void setUserScripts(std::vector<UserScript> scripts);
  // Oldest first: the order in which pages run them.
  const std::vector<UserScript>& userScripts() const { return userScripts_; }

  // Registers `handler` under `name` and holds it strongly. A name can be
  // taken once only: a second registration under it, or a null handler, is
  // refused (returns false) and the first handler stays.
  bool addScriptMessageHandler(std::shared_ptr<ScriptMessageHandler> handler, const std::string& name);
  // Null when no handler is registered under `name` (names are case-sensitive).
  std::shared_ptr<ScriptMessageHandler> scriptMessageHandler(const std::string& name) const;
  // The registered names, sorted.
  std::vector<std::string> scriptMessageHandlerNames() const;

  // The documents that can reach the handlers at all (every document by
  // default). Engines keep the others from posting, frames included, as far
  // as they can tell documents apart; handlers still see each message's
  // document and may check it themselves.
  void setScriptMessageSources(DocumentFilter sources);
  const DocumentFilter& scriptMessageSources() const { return messageSources_; }

 private:
  void changed(ConfigurationChange change) const;

  ConfigurationChangeCallback didChange_;
  std::vector<UserScript> userScripts_;
  std::map<std::string, std::shared_ptr<ScriptMessageHandler>> handlers_;
  DocumentFilter messageSources_;
};

}  // namespace zephro::platform::web
