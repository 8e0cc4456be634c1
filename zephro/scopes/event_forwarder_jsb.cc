#include "zephro/scopes/event_forwarder_jsb.h"

#include <optional>
#include <string>

#include "zephro/platform/foundation/notification_center.h"
#include "zephro/scopes/event_model.h"

namespace zephro {

namespace {

std::optional<std::string> textParam(const std::map<std::string, AnyCodable>& params, const std::string& key) {
  auto found = params.find(key);
  if (found == params.end()) return std::nullopt;
  if (const std::string* text = found->second.as<std::string>()) return *text;
  return std::nullopt;
}

}  // namespace

void EventForwarderJSB::handle(const JSBInvocation& invocation, JSBCallback /*callback*/) {
  const WebViewInvoke& invoke = invocation.invoke;
  if (invoke.method != "forwardEvent" || !invoke.params) return;
  const std::map<std::string, AnyCodable>& params = *invoke.params;
  std::optional<std::string> eventName = textParam(params, "eventName");
  if (!eventName) return;
  EventModel event{std::move(*eventName), textParam(params, "eventData"), textParam(params, "fromPage"),
                   textParam(params, "toPage")};
  platform::foundation::NotificationCenter::defaultCenter().post(kJSBForwardEventNotification, std::move(event));
}

}  // namespace zephro
