// The scope "event_handler": one page sends an event to other pages.
#pragma once

#include "zephro/bridge/jsb_implement.h"

namespace zephro {

inline constexpr char kEventForwarderScope[] = "event_handler";

class EventForwarderJSB : public JSBImplement {
 public:
  // "forwardEvent" with the texts "eventName" (required), "eventData",
  // "fromPage" and "toPage" posts one EventModel on "jsb-forward-event";
  // values of another kind count as absent. Other methods do nothing. The
  // sender never gets an answer.
  void handle(const JSBInvocation& invocation, JSBCallback callback) override;
};

}  // namespace zephro
