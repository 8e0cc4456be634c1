// Collects every EventModel posted on "jsb-forward-event" while alive, from
// any thread.
#pragma once

#include <mutex>
#include <ostream>
#include <vector>

#include "zephro/sdk/event_model.h"

namespace zephro::testing {

class ForwardedEvents {
 public:
  ForwardedEvents();
  ~ForwardedEvents();
  ForwardedEvents(const ForwardedEvents&) = delete;
  ForwardedEvents& operator=(const ForwardedEvents&) = delete;

  std::vector<EventModel> events() const;

 private:
  mutable std::mutex mutex_;
  std::vector<EventModel> events_;
};

}  // namespace zephro::testing

namespace zephro {

// Readable failures in gtest.
void PrintTo(const EventModel& event, std::ostream* out);

}  // namespace zephro
