#include "zephro/platform/web/user_content_controller.h"

#include <utility>

namespace zephro::platform::web {

UserContentController::UserContentController(ConfigurationChangeCallback didChange) : didChange_(std::move(didChange)) {}

void UserContentController::addUserScript(UserScript script) {
  userScripts_.push_back(std::move(script));
  changed(ConfigurationChange::userScripts);
}

void UserContentController::removeAllUserScripts() {
  if (userScripts_.empty()) return;
  userScripts_.clear();
  changed(ConfigurationChange::userScripts);
}

void UserContentController::setUserScripts(std::vector<UserScript> scripts) {
  if (scripts == userScripts_) return;
  userScripts_ = std::move(scripts);
  changed(ConfigurationChange::userScripts);
}

bool UserContentController::addScriptMessageHandler(std::shared_ptr<ScriptMessageHandler> handler,
                                                    const std::string& name) {
  if (!handler) return false;
  if (!handlers_.emplace(name, std::move(handler)).second) return false;
  changed(ConfigurationChange::scriptMessageHandlers);
  return true;
}

std::shared_ptr<ScriptMessageHandler> UserContentController::scriptMessageHandler(const std::string& name) const {
  auto found = handlers_.find(name);
  return found == handlers_.end() ? nullptr : found->second;
}

std::vector<std::string> UserContentController::scriptMessageHandlerNames() const {
  std::vector<std::string> names;
  names.reserve(handlers_.size());
  for (const auto& [name, handler] : handlers_) names.push_back(name);
  return names;
}

void UserContentController::setScriptMessageSources(DocumentFilter sources) {
  if (sources == messageSources_) return;
  messageSources_ = std::move(sources);
  changed(ConfigurationChange::scriptMessageHandlers);
}

void UserContentController::changed(ConfigurationChange change) const {
  if (didChange_) didChange_(change);
}

}  // namespace zephro::platform::web
