#include "zephro/scopes/event_forwarder_jsb.h"

#include <optional>
#include <string>
#include <utility>

#include "zephro/bridge/scope_methods.h"
#include "zephro/platform/foundation/notification_center.h"
#include "zephro/sdk/event_model.h"

namespace zephro {

namespace {

// The texts "eventName" (required), "eventData", "fromPage" and "toPage".
struct ForwardedEvent {
  EventModel event;
  static std::optional<ForwardedEvent> decode(const InvokeParams& params) {
    std::optional<std::string> eventName = invokeParam<std::string>(params, "eventName");
    if (!eventName) return std::nullopt;
    return ForwardedEvent{EventModel{std::move(*eventName), invokeParam<std::string>(params, "eventData"),
                                     invokeParam<std::string>(params, "fromPage"),
                                     invokeParam<std::string>(params, "toPage")}};
  }
};

void forwardEvent(EventForwarderJSB&, const ForwardedEvent& forwarded, const JSBInvocation&, JSBCallback) {
  platform::foundation::NotificationCenter::defaultCenter().post(kJSBForwardEventNotification, forwarded.event);
}

}  // namespace

void EventForwarderJSB::handle(const JSBInvocation& invocation, JSBCallback callback) {
  static const ScopeMethods<EventForwarderJSB> methods =
      ScopeMethods<EventForwarderJSB>().add("forwardEvent", forwardEvent);
  methods.call(*this, invocation, std::move(callback));
}

}  // namespace zephro
