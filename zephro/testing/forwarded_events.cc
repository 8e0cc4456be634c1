#include "zephro/testing/forwarded_events.h"

#include <any>
#include <ostream>

#include "zephro/platform/foundation/notification_center.h"

namespace zephro::testing {

using platform::foundation::NotificationCenter;

ForwardedEvents::ForwardedEvents() {
  NotificationCenter::defaultCenter().addObserver(this, kJSBForwardEventNotification, [this](const auto& note) {
    if (const auto* event = std::any_cast<EventModel>(&note.object)) {
      std::lock_guard lock(mutex_);
      events_.push_back(*event);
    }
  });
}

ForwardedEvents::~ForwardedEvents() { NotificationCenter::defaultCenter().removeObserver(this); }

std::vector<EventModel> ForwardedEvents::events() const {
  std::lock_guard lock(mutex_);
  return events_;
}

}  // namespace zephro::testing

namespace zephro {

void PrintTo(const EventModel& event, std::ostream* out) {
  auto text = [](const std::optional<std::string>& value) { return value ? "\"" + *value + "\"" : "none"; };
  *out << "EventModel{" << event.eventName << ", data " << text(event.eventData) << ", from "
       << text(event.fromPage) << ", to " << text(event.toPage) << "}";
}

}  // namespace zephro
