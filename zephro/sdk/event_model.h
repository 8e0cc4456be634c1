// The one in-process event channel towards pages: a notification on the
// default center whose object is an EventModel. Every live page screen
// observes it and decides from fromPage / toPage whether its page gets it.
#pragma once

#include <optional>
#include <string>

namespace zephro {

// Name of the notification that carries one EventModel as its object.
inline constexpr char kJSBForwardEventNotification[] = "jsb-forward-event";

struct EventModel {
  // First argument of the page bus's emit.
  std::string eventName;
  // Second argument, normally JSON text; the empty text when absent.
  std::optional<std::string> eventData;
  // Screens showing this page skip the event (the sender naming itself).
  std::optional<std::string> fromPage;
  // Only screens showing this page get the event; absent or empty means all.
  std::optional<std::string> toPage;

  bool operator==(const EventModel&) const = default;
};

}  // namespace zephro
