#include "zephro/sdk/socket_message_filter.h"

#include <string>

#include "zephro/sdk/socket_json.h"

namespace zephro {

namespace {

const nlohmann::json* member(const nlohmann::json& object, std::string_view key) {
  auto found = object.find(key);
  return found == object.end() ? nullptr : &*found;
}

const nlohmann::json* objectMember(const nlohmann::json& object, std::string_view key) {
  const nlohmann::json* value = member(object, key);
  return value && value->is_object() ? value : nullptr;
}

const std::string* stringMember(const nlohmann::json& object, std::string_view key) {
  const nlohmann::json* value = member(object, key);
  return value && value->is_string() ? &value->get_ref<const std::string&>() : nullptr;
}

std::optional<EventModel> joinedEvent(const nlohmann::json& message) {
  const nlohmann::json* data = objectMember(message, "data");
  const nlohmann::json* device = data ? objectMember(*data, "userDevice") : nullptr;
  if (!device) return std::nullopt;
  std::optional<std::string> text = compactJSONText(*device);
  if (!text) return std::nullopt;
  return EventModel{"Joined", std::move(text), std::nullopt, "network-zigbee"};
}

std::optional<EventModel> normalEvent(const nlohmann::json& message) {
  const nlohmann::json* data = objectMember(message, "data");
  if (!data) return std::nullopt;
  std::optional<std::string> text = compactJSONText(*data);
  if (!text) return std::nullopt;
  const std::string* identify = stringMember(*data, "identify");
  std::string name = identify && *identify == "learnCodeNotify" ? "learnCodeNotify" : "deviceEvent";
  return EventModel{std::move(name), std::move(text), std::nullopt, std::nullopt};
}

}  // namespace

std::optional<EventModel> socketMessageEvent(std::string_view text) {
  std::optional<nlohmann::json> message = parseJSONTree(text);
  if (!message || !message->is_object()) return std::nullopt;
  const std::string* type = stringMember(*message, "messageType");
  const std::string* name = stringMember(*message, "name");
  if (!type || !name || *type != "DeviceReport") return std::nullopt;
  if (*name == "Joined") return joinedEvent(*message);
  if (*name == "Normal") return normalEvent(*message);
  return std::nullopt;
}

}  // namespace zephro
