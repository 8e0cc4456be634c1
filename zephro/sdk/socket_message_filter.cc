#include "zephro/sdk/socket_message_filter.h"

#include <any>
#include <string>

#include "zephro/platform/foundation/json_serialization.h"
#include "zephro/platform/foundation/kinds.h"

namespace zephro {

namespace {

using platform::foundation::JSONSerialization;

template <class Kind>
Kind* member(PlainMap& object, const std::string& key) {
  auto found = object.find(key);
  return found == object.end() ? nullptr : std::any_cast<Kind>(&found->second);
}

// Compact text of a member the message no longer needs (moved, not copied).
std::optional<std::string> takenText(PlainMap& object) { return JSONSerialization::data(std::move(object)); }

std::optional<EventModel> joinedEvent(PlainMap& message) {
  PlainMap* data = member<PlainMap>(message, "data");
  PlainMap* device = data ? member<PlainMap>(*data, "userDevice") : nullptr;
  if (!device) return std::nullopt;
  std::optional<std::string> text = takenText(*device);
  if (!text) return std::nullopt;
  return EventModel{"Joined", std::move(text), std::nullopt, "network-zigbee"};
}

std::optional<EventModel> normalEvent(PlainMap& message) {
  PlainMap* data = member<PlainMap>(message, "data");
  if (!data) return std::nullopt;
  const std::string* identify = member<std::string>(*data, "identify");
  std::string name = identify && *identify == "learnCodeNotify" ? "learnCodeNotify" : "deviceEvent";
  std::optional<std::string> text = takenText(*data);
  if (!text) return std::nullopt;
  return EventModel{std::move(name), std::move(text), std::nullopt, std::nullopt};
}

}  // namespace

std::optional<EventModel> socketMessageEvent(std::string_view text) {
  std::optional<std::any> parsed = JSONSerialization::jsonObject(text);
  PlainMap* message = parsed ? std::any_cast<PlainMap>(&*parsed) : nullptr;
  if (!message) return std::nullopt;
  const std::string* type = member<std::string>(*message, "messageType");
  const std::string* name = member<std::string>(*message, "name");
  if (!type || !name || *type != "DeviceReport") return std::nullopt;
  if (*name == "Joined") return joinedEvent(*message);
  if (*name == "Normal") return normalEvent(*message);
  return std::nullopt;
}

}  // namespace zephro
